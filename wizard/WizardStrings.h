/* Identifiers of the wizard's long messages in the program's string table. Plain definitions:
   the resource compiler reads this file too. */
#pragma once

#define IDS_HOST_NOT_FOUND 100
#define IDS_COMPILER_NOT_FOUND 101
#define IDS_NO_MACHINE_PERMISSION 102
#define IDS_INVALID_INSTALL_PATH 103
#define IDS_BEFORE_INSTALL 104
#define IDS_EXIT_QUESTION 105
#define IDS_HOST_NOT_STARTED 106
