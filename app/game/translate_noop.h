// The marker lupdate finds texts by, for this Qt-free library; the texts stay as written.
#pragma once

// Spelled exactly as Qt spells it, so a file that also includes Qt redefines it identically.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
