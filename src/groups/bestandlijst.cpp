#include "groups/bestandlijst.h"

#include "frame/bas_zemlo.h"
#include "groups/namenbestand.h"
#include "platform/messagebox.h"

#include <QFile>
#include <QListWidget>

namespace groups {

int gekozenRij(const QListWidget *list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

bool vraagEnWisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand) {
  const QString vraag = QString(BAS_Zemlo::Tekst(24)).replace(u'~', bestand.naam);
  if (!platform::question(window, title, vraag))
    return false;
  QFile::remove(namenPad(bestand.naam));
  return true;
}

} // namespace groups
