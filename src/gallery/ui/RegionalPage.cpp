#include "gallery/ui/RegionalPage.h"

#include <QLabel>
#include <QPushButton>

#include "gallery/RegionalProbe.h"
#include "platform/a_c_w.h"

namespace {

QString LineaDeChequeo(bool valido, const char* que, const std::string& probado) {
  return QString::fromUtf8("%1 %2: %3 (la prueba da «%4»)")
      .arg(valido ? QStringLiteral("✔") : QStringLiteral("✘"), QString::fromUtf8(que),
           valido ? QStringLiteral("correcto") : QStringLiteral("no compatible"),
           QString::fromStdString(probado));
}

}  // namespace

RegionalPage::RegionalPage(QWidget* parent, const RegionalSettings& rs)
    : GalleryPage("regional", parent), rs_(rs) {
  const RegionalOutcome r = RegionalProbe::Probar(rs_);
  QString texto = QString::fromUtf8("Esta máquina: %1\n\n")
                      .arg(QString::fromStdString(RegionalProbe::Describir(rs_)));
  texto += LineaDeChequeo(r.numerosValidos, "Números (1500,33 con 0,000.00; se espera 1.500,33)",
                          r.numeroProbado) +
           "\n";
  texto += LineaDeChequeo(r.fechaValida, "Fechas (10/12/90; se espera 10/12/1990)", r.fechaProbada);
  for (const std::string* mensaje : {&r.mensajeNumeros, &r.mensajeFecha}) {
    if (!mensaje->empty()) {
      texto +=
          QString::fromUtf8("\n\nMensaje que mostraría el chequeo:\n") +
          QString::fromStdString(*mensaje).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
  }
  resultado_ = Etiqueta(texto, QRect(120, 0, 10500, 5400));
  resultado_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ejecutar_ = new QPushButton(QString::fromUtf8("Ejecutar los chequeos con sus mensajes"), Area());
  Ubicar(*ejecutar_, QRect(120, 5600, 4800, 420));
  connect(ejecutar_, &QPushButton::clicked, this, [this] {
    a_c_w w;
    w.ChkNumerosValidos(rs_);
    w.ChkFechaValida(rs_);
  });
}
