#include "frame/sendkeys.h"

void SendKeys(const QString &, bool) {}
