#pragma once
// Resource IDs of the program's icons (Clearwell.rc, beside this file).

#define IDI_CLEARWELL 100
#define IDI_TOOLBAR_MAIN 101
#define IDI_TOOLBAR_PRIVACY 102
#define IDI_TOOLBAR_CACHE 103
#define IDI_TOOLBAR_NETSCAPE 104
#define IDI_TOOLBAR_SYSINFO 105
#define IDI_TOOLBAR_SHREDDER 106
#define IDI_TOOLBAR_PANIC 107
#define IDI_DROP_FILES 110
#define IDI_UPDATE 111
#define IDI_LINE_POSITIVE 112
#define IDI_LINE_NEGATIVE 113
