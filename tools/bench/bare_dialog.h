// The bare dialog's one template, shared by its code and its resource script.
#pragma once

#define kIddBareDialog 100
