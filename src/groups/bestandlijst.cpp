#include "groups/bestandlijst.h"

#include "frame/bas_zemlo.h"
#include "groups/namenbestand.h"
#include "platform/messagebox.h"

#include <QListWidget>
#include <QPushButton>

namespace groups {

void vulLijst(QListWidget *list, const QVector<LijstBestand> &bestanden) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const LijstBestand &b : bestanden)
    list->addItem(b.naam);
  list->setCurrentRow(-1);
  list->clearSelection();
}

int zoekBestand(const QVector<LijstBestand> &bestanden, const QString &bestand) {
  for (int i = 0; i < bestanden.size(); ++i)
    if (bestanden[i].bestand == bestand)
      return i;
  return -1;
}

void markeerBestand(QListWidget *list, const QVector<LijstBestand> &bestanden,
                    const QString &bestand) {
  const QSignalBlocker blocker(list);
  list->clearSelection();
  list->setCurrentRow(-1);
  const int index = zoekBestand(bestanden, bestand);
  if (index >= 0)
    list->setCurrentRow(index);
}

int gekozenRij(const QListWidget *list) {
  const auto items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

std::optional<LijstBestand> gekozenBestand(const QListWidget *list,
                                           const QVector<LijstBestand> &bestanden) {
  const int index = gekozenRij(list);
  if (index < 0 || index >= bestanden.size())
    return std::nullopt;
  return bestanden[index];
}

std::optional<LijstBestand> vraagWisNamen(QWidget *window, const QString &title,
                                          const QListWidget *list,
                                          const QVector<LijstBestand> &bestanden,
                                          QPushButton *wis) {
  const auto gekozen = gekozenBestand(list, bestanden);
  wis->setEnabled(false);
  if (!gekozen)
    return std::nullopt;
  const QString vraag = BAS_Zemlo::TekstMet(24, gekozen->naam);
  if (!platform::question(window, title, vraag)) {
    wis->setEnabled(true);
    return std::nullopt;
  }
  return gekozen;
}

bool wisBestand(QWidget *window, const QString &title, const QString &pad, QPushButton *wis) {
  const QString fout = BAS_Zemlo::WisBestanden({pad});
  if (fout.isEmpty())
    return true;
  platform::information(window, title, fout);
  wis->setEnabled(true);
  return false;
}

bool wisNamenBestand(QWidget *window, const QString &title, const LijstBestand &bestand,
                     QPushButton *wis) {
  return wisBestand(window, title, namenPad(bestand.naam), wis);
}

bool meldOnleesbaar(QWidget *window, const QString &title, const QString &pad) {
  const QString fout = BAS_Zemlo::OnleesbaarTekst(pad);
  if (fout.isEmpty())
    return false;
  platform::information(window, title, fout);
  return true;
}

} // namespace groups
