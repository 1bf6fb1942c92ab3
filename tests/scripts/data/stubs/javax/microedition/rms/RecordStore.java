// Stand-in for the MIDP package the generated J2ME code imports.
package javax.microedition.rms;

public class RecordStore {
}
