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

void inWachtrij(const std::function<void()> &stap) {
  QMetaObject::invokeMethod(
      qApp,
      [stap] {
        // A loop run inside this step takes the events posted before it
        // only once something new has been posted: a marker.
        QMetaObject::invokeMethod(
            qApp, [] {}, Qt::QueuedConnection);
        stap();
      },
      Qt::QueuedConnection);
}

namespace {
// A key's press or release goes to the control that has the focus when it
// is delivered.
void toetsInWachtrij(QWidget *venster, QTest::KeyAction actie, Qt::Key toets, const QString &tekst,
                     Qt::KeyboardModifiers mods) {
  inWachtrij([w = QPointer<QWidget>(venster), actie, toets, tekst, mods] {
    QWidget *doel = QApplication::focusWidget();
    if (!doel)
      doel = w;
    if (doel)
      QTest::sendKeyEvent(actie, doel, toets, tekst, mods);
  });
}
} // namespace

void inWachtrij(QWidget *venster, const QString &toetsen, Qt::KeyboardModifiers mods) {
  for (const QChar c : toetsen) {
    if (c == u'~') {
      inWachtrij(venster, Qt::Key_Return, mods);
      continue;
    }
    const Qt::Key toets = QTest::asciiToKey(c.toLatin1());
    // As X11 gives them: an Alt letter carries its letter as text, a Ctrl
    // letter none that types.
    const QString tekst = mods.testFlag(Qt::ControlModifier) ? QString() : QString(c);
    toetsInWachtrij(venster, QTest::Press, toets, tekst, mods);
    toetsInWachtrij(venster, QTest::Release, toets, tekst, mods);
  }
}

void inWachtrij(QWidget *venster, Qt::Key toets, Qt::KeyboardModifiers mods) {
  const QString tekst = toets == Qt::Key_Return ? QStringLiteral("\r") : QString();
  toetsInWachtrij(venster, QTest::Press, toets, tekst, mods);
  toetsInWachtrij(venster, QTest::Release, toets, tekst, mods);
}

} // namespace testing
