// Stand-in for the MIDP class the generated J2ME code uses, so that javac can check it.
package javax.microedition.midlet;

public abstract class MIDlet {
    public final String getAppProperty(String key) {
        return null;
    }
}
