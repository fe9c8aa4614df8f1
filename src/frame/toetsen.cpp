#include "frame/toetsen.h"

#include "frame/sendkeys.h"
#include "platform/keydelivery.h"

void SendKeys(const QString &sToetsen, bool bWachten) {
  Q_UNUSED(bWachten);
  const std::optional<QList<platform::KeyRecord>> aInvoer = MSendInput::ToetsRecords(sToetsen);
  if (aInvoer && !aInvoer->isEmpty())
    platform::sendKeyRecords(*aInvoer);
}
