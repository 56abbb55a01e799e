#pragma once

// Marks a text of the rules for the translators' tool (lupdate) without
// bringing in Qt: the text stays as it is, and the screen that shows it looks
// it up under the same context. The same definition as Qt's own.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
