/* The program's version, written only here. CMake's project() reads the four numbers from this file,
   the resource script's VERSIONINFO and About dialog take them from it, and the installer script reads
   them with !searchparse. Plain #defines, so windres and any script can read it. */
#ifndef AEROWISP_VERSION_H
#define AEROWISP_VERSION_H

#define AEROWISP_VERSION_MAJOR 2
#define AEROWISP_VERSION_MINOR 0
#define AEROWISP_VERSION_PATCH 1
#define AEROWISP_VERSION_BUILD 3

/* "2.0.1.3": the numbers are expanded before they are turned into text. */
#define AEROWISP_VERSION_JOIN_(a, b, c, d) #a "." #b "." #c "." #d
#define AEROWISP_VERSION_JOIN(a, b, c, d) AEROWISP_VERSION_JOIN_(a, b, c, d)
#define AEROWISP_VERSION_TEXT                                                                     \
    AEROWISP_VERSION_JOIN(AEROWISP_VERSION_MAJOR, AEROWISP_VERSION_MINOR, AEROWISP_VERSION_PATCH, \
                          AEROWISP_VERSION_BUILD)

#endif
