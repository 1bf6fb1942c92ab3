// Stand-in for the MIDP package the generated J2ME code imports.
package javax.microedition.io;

public class Connector {
}
