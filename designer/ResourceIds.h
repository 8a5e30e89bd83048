// Identifiers of the designer's resources, shared by the resource script and the code.
#pragma once

#define IDR_PLACEHOLDER1 101
#define IDR_PLACEHOLDER2 102
#define IDR_VIEWER 103  // the viewer, which publishing writes into a menu folder
