/* The program's version, written only here. CMake's project() reads the four numbers from this file,
   the resource script's VERSIONINFO and About dialog take them from it, and the installer script reads
   them with !searchparse. Plain #defines, so windres and any script can read it. */
#ifndef AEROWISP_VERSION_H
#define AEROWISP_VERSION_H

#define AEROWISP_VERSION_MAJOR 2
#define AEROWISP_VERSION_MINOR 0
#define AEROWISP_VERSION_PATCH 1
#define AEROWISP_VERSION_BUILD 3

#define AEROWISP_STRINGIZE_(x) #x
#define AEROWISP_STRINGIZE(x) AEROWISP_STRINGIZE_(x)
/* "2.0.1.3" */
#define AEROWISP_VERSION_TEXT                                                                        \
    AEROWISP_STRINGIZE(AEROWISP_VERSION_MAJOR) "." AEROWISP_STRINGIZE(AEROWISP_VERSION_MINOR) "." \
        AEROWISP_STRINGIZE(AEROWISP_VERSION_PATCH) "." AEROWISP_STRINGIZE(AEROWISP_VERSION_BUILD)

#endif
