// The key notation: any text is either refused as a whole or gives key
// records in which every key that goes down comes up again, none comes up
// that is not down, and nothing is typed while Ctrl or Alt is held.
#include "fuzzsupport.h"

#include "frame/sendkeys.h"

#include <QHash>
#include <Qt>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  const auto records = MSendInput::ToetsRecords(text);
  if (!records)
    return 0;
  QHash<int, int> down;
  for (const platform::KeyRecord &r : *records) {
    int &held = down[r.key];
    if (r.up) {
      FUZZ_CHECK(held > 0);
      --held;
    } else {
      ++held;
    }
    const bool ctrlOrAlt = down.value(Qt::Key_Control) > 0 || down.value(Qt::Key_Alt) > 0;
    if (ctrlOrAlt && r.key != Qt::Key_Control && r.key != Qt::Key_Alt)
      FUZZ_CHECK(r.text.isEmpty());
  }
  for (auto it = down.cbegin(); it != down.cend(); ++it)
    FUZZ_CHECK(it.value() == 0);
  // Nothing typed means nothing sent.
  FUZZ_CHECK(!text.isEmpty() || records->isEmpty());
  return 0;
}
