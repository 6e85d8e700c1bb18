/* Identifiers of the suite's constants in the program's string table. Plain definitions: the
   resource compiler reads this file too. */
#pragma once

#define IDS_SUITE_VERSION 1
#define IDS_PACKAGE_DESCRIPTION 2
#define IDS_EDITION_TITLE 3
