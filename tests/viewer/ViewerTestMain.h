#pragma once

#include "TestSupport.h"

// The web engine shares its graphics context with the widgets; that must be said before the
// application object exists, as the program's own main does.
#define TW_VIEWER_TEST_MAIN(TestClass)                                                                       \
    TW_TEST_MAIN_PREPARED(TestClass, QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts))
