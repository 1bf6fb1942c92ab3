/* Stand-in for the JVMPI header, which current JDKs no longer ship: only what the
   generated agent sources need to be checked by the C compiler. */
#ifndef ZYN_TEST_JVMPI_H
#define ZYN_TEST_JVMPI_H
typedef long long jlong;
typedef int jint;
#endif
