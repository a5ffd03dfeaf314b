/*
** The folder chooser's widget. See NOVUDir.h; the rules are in NOVUDirModel.
*/
#include "controls/ui/NOVUDir.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "controls/ui/ElidedLabel.h"
#include "controls/ui/Twips.h"

namespace {

constexpr int kIndiceRol = Qt::UserRole;

}  // namespace

NOVUDir::NOVUDir(QWidget* parent) : TwipsControl(kAnchoDiseno, kAltoDiseno, parent) {
  Construir();
}

NOVUDir::NOVUDir(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(kAnchoDiseno, kAltoDiseno, parent) {
  modelo_.LeerPropiedades(propiedades);
  Construir();
}

void NOVUDir::Construir() {
  frDatos_ = new QGroupBox(this);
  frDatos_->setObjectName(QStringLiteral("FrDatos"));
  drvLista_ = new QComboBox(frDatos_);
  drvLista_->setObjectName(QStringLiteral("drvLista"));
  dirDirectorio_ = new QListWidget(frDatos_);
  dirDirectorio_->setObjectName(QStringLiteral("dirDirectorio"));
  cmdCrearCarpeta_ = new QPushButton(QStringLiteral("&Crear carpeta"), frDatos_);
  cmdCrearCarpeta_->setObjectName(QStringLiteral("cmdCrearCarpeta"));
  cmdExaminar_ = new QPushButton(QStringLiteral("examinar ..."), frDatos_);
  cmdExaminar_->setObjectName(QStringLiteral("cmdExaminar"));
  // A path longer than the box loses its middle, never its tail, and shows
  // whole in the tooltip.
  auto* destino = new ElidedLabel(frDatos_);
  destino->SetElideMode(Qt::ElideMiddle);
  lblDest_ = destino;
  lblDest_->setObjectName(QStringLiteral("lblDest"));
  lblDest_->setFrameShape(QFrame::StyledPanel);

  connect(drvLista_, &QComboBox::activated, this, [this](int indice) {
    modelo_.ElegirUnidad(indice);
    Mostrar();
  });
  connect(dirDirectorio_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) modelo_.Seleccionar(item->data(kIndiceRol).toInt());
  });
  connect(dirDirectorio_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    modelo_.AbrirEntrada(item->data(kIndiceRol).toInt());
    Mostrar();
  });
  connect(cmdExaminar_, &QPushButton::clicked, this, [this] { modelo_.Examinar(); });
  connect(cmdCrearCarpeta_, &QPushButton::clicked, this, [this] {
    modelo_.CrearCarpeta();
    Mostrar();
  });
  Mostrar();
  OnResize();
}

void NOVUDir::Mostrar() {
  frDatos_->setTitle(QString::fromStdString(modelo_.Caption()));
  {
    const QSignalBlocker bloqueo(drvLista_);
    drvLista_->clear();
    for (const std::string& unidad : modelo_.Unidades()) {
      drvLista_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon),
                         QString::fromStdString(unidad));
    }
    drvLista_->setCurrentIndex(modelo_.UnidadElegida());
  }
  {
    const QSignalBlocker bloqueo(dirDirectorio_);
    dirDirectorio_->clear();
    const QIcon abierta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon cerrada = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const NOVUDirModel::Carpeta& c : modelo_.Carpetas()) {
      // The tree shows as indentation: two blanks a level.
      auto* item = new QListWidgetItem(
          c.indice < 0 ? abierta : cerrada,
          QString(c.nivel * 2, QLatin1Char(' ')) + QString::fromStdString(c.nombre),
          dirDirectorio_);
      item->setData(kIndiceRol, c.indice);
      item->setToolTip(QString::fromStdString(c.ruta));
      if (c.indice == modelo_.Seleccion()) dirDirectorio_->setCurrentItem(item);
    }
  }
  lblDest_->setText(QString::fromStdString(modelo_.LblDest()));
}

void NOVUDir::SetCaption(const std::string& New_Caption) {
  modelo_.SetCaption(New_Caption);
  frDatos_->setTitle(QString::fromStdString(New_Caption));
}

void NOVUDir::SetPath(const std::string& New_Path) {
  modelo_.SetPath(New_Path);
  Mostrar();
}

void NOVUDir::OnResize() {
  const NOVUDirModel::Geometria g =
      NOVUDirModel::Redimensionar(WidthTwips(), HeightTwips(), NOVUDirModel::DisenoInicial());
  PlaceChild(*frDatos_, g.FrDatos);
  PlaceChild(*lblDest_, g.hijos.lblDest);
  PlaceChild(*cmdExaminar_, g.hijos.cmdExaminar);
  PlaceChild(*drvLista_, g.hijos.drvLista);
  PlaceChild(*dirDirectorio_, g.hijos.dirDirectorio);
  PlaceChild(*cmdCrearCarpeta_, g.hijos.cmdCrearCarpeta);
}
