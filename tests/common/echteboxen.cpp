#include "echteboxen.h"

#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace testing {

EchteBoxen::EchteBoxen(QList<Qt::Key> toetsen)
    : m_toetsen(std::move(toetsen)), m_vorige(platform::messageAnswerer()), m_timer(new QTimer) {
  platform::setMessageAnswerer(nullptr);
  m_timer->setInterval(20);
  QObject::connect(m_timer, &QTimer::timeout, [this] { kijk(); });
  m_timer->start();
}

EchteBoxen::~EchteBoxen() {
  delete m_timer;
  platform::setMessageAnswerer(m_vorige);
}

void EchteBoxen::kijk() {
  auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
  // A box answered by a button's letter closes only after the button's
  // click animation: it is answered once.
  if (!box || !box->isVisible() || box == m_beantwoord)
    return;
  m_beantwoord = box;
  teksten.append(box->text());
  iconen.append(box->icon());
  if (voorToets)
    voorToets();
  const Qt::Key toets = m_toetsen.isEmpty() ? Qt::Key_Return : m_toetsen.takeFirst();
  QWidget *doel = QApplication::focusWidget();
  if (!doel || doel->window() != box)
    doel = box;
  QTest::keyClick(doel, toets);
}

bool activeer(QWidget *venster) {
  venster->activateWindow();
  return QTest::qWaitForWindowActive(venster);
}

} // namespace testing
