// Identifiers of the designer's resources, shared by the resource script and the code.
#pragma once

#define IDR_PLACEHOLDER1 101
#define IDR_PLACEHOLDER2 102
