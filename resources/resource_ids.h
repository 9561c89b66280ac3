#pragma once

// Identifiers shared by ruvelin.rc and the code that loads its resources; plain macros so that
// the resource compiler's preprocessor reads them too.

// String table: the close-all message shown when a running suite program answers.
#define IDS_CLOSE_ALL_APPLICATIONS 64973
