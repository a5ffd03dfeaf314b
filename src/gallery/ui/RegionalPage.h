/*
** RegionalPage: the regional checks' outcome on this machine (its
** settings, each probe's text, each check's result and the message it
** would show), and a button that runs the checks as a program does, with
** their messages.
*/
#pragma once

#include "common/RegionalSettings.h"
#include "gallery/ui/GalleryPage.h"

class QLabel;
class QPushButton;

class RegionalPage : public GalleryPage {
  Q_OBJECT

 public:
  // `rs`: the settings probed, the machine's by default.
  explicit RegionalPage(QWidget* parent = nullptr,
                        const RegionalSettings& rs = RegionalSettings::FromMachine());

  QLabel* Resultado() const { return resultado_; }
  QPushButton* Ejecutar() const { return ejecutar_; }

 private:
  RegionalSettings rs_;
  QLabel* resultado_ = nullptr;
  QPushButton* ejecutar_ = nullptr;
};
