// The application object. The program-wide values beside it (the record
// sets, the pending component, the counters) are defined with their
// declarations, in design/ProgramValues.cpp.

#include "app/KestravApp.h"

CKestravApp theApp;
