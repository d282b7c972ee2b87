/* The JPEG library's configuration as a Windows build of libjpeg-turbo 2.1
 * has it: the same library as on Linux, with the one Windows difference that
 * matters to a program including <windows.h> first: `boolean` is the type
 * that rpcndr.h already declares. Used only by tools/windows-check.sh. */
#define JPEG_LIB_VERSION  62
#define LIBJPEG_TURBO_VERSION  2.1.5
#define LIBJPEG_TURBO_VERSION_NUMBER  2001005
#define C_ARITH_CODING_SUPPORTED 1
#define D_ARITH_CODING_SUPPORTED 1
#define MEM_SRCDST_SUPPORTED 1
#define WITH_SIMD 1
#define BITS_IN_JSAMPLE  8

#ifndef __RPCNDR_H__
typedef unsigned char boolean;
#endif
#define HAVE_BOOLEAN
