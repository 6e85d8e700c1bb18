/* Identifiers of the uninstaller's texts in its string table. Plain definitions: the resource
   compiler reads this file too. */
#pragma once

#define IDS_REMOVE_QUESTION 200
#define IDS_REMOVED 201
#define IDS_IDE_RUNNING 202
#define IDS_RECORD_UNREADABLE 203
