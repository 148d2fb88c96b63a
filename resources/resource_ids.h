// Identifiers of the installer's resources, shared by the resource script and the code.
#pragma once

#define IDD_MAIN 102        // the main dialog
#define IDD_BROWSE 131      // the folder chooser
#define IDI_MAIN 128        // the program's icon, big
#define IDI_MAIN_SMALL 133  // the program's icon, small (title bar)
