// A button whose access key clicks it at once, every press counting.
#pragma once

class QAbstractButton;

namespace kestrins {

// Qt shows a button pressed for 100 ms after its access key and clicks as it comes back up,
// ignoring presses meanwhile: Alt+R then Enter would confirm before the raise, and quick presses
// would be lost. An access key shared by several controls still only moves the focus.
void ClickAtOnceOnAccessKey(QAbstractButton& button);

}  // namespace kestrins
