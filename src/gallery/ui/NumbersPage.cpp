#include "gallery/ui/NumbersPage.h"

#include <QLabel>

#include "controls/ui/ucnXCurrency.h"
#include "dao/Database.h"

NumbersPage::NumbersPage(dao::Database& host, QWidget* parent) : GalleryPage("numeros", parent) {
  Etiqueta(QString::fromUtf8("Total de Adicionales de la muestra (máximo 999.999.999,99):"),
           QRect(120, 0, 7000, 300));
  importe_ = new ucnXCurrency(Area());
  importe_->Move(120, 330, 2400, 0);
  constexpr double kMaximo = 999999999.99;
  importe_->SetNroMax(Variant(kMaximo));
  {
    dao::Recordset rs =
        host.OpenRecordset("select sum(Adicionales) from 22Cuiles", dao::dbOpenSnapshot);
    // A sample without amounts, or beyond the maximum, leaves the box at 0:
    // the page shows a control, it does not warn about the data.
    const Variant total = rs.Fields(0).Value();
    if (!total.IsNull() && total.ToDouble() <= kMaximo) importe_->SetText(total);
  }
  valorImporte_ = Etiqueta(QString(), QRect(2700, 360, 7000, 300));

  Etiqueta(QString::fromUtf8("Con negativos, vacío (Null) y tres decimales:"),
           QRect(120, 1200, 7000, 300));
  libre_ = new ucnXCurrency(Area());
  libre_->Move(120, 1530, 2400, 0);
  libre_->SetDecimales(3);
  libre_->SetSoportaNegativos(true);
  libre_->SetSoportaNulos(true);
  libre_->SetText(Variant::Null());
  valorLibre_ = Etiqueta(QString(), QRect(2700, 1560, 7000, 300));

  Etiqueta(
      QString::fromUtf8("Escriba dígitos, «,» para los decimales y «-» para el signo; al salir "
                        "de la caja el importe se muestra con sus puntos de miles."),
      QRect(120, 2400, 10000, 700));

  connect(importe_, &ucnXCurrency::Change, this, [this] { Mostrar(*importe_, *valorImporte_); });
  connect(libre_, &ucnXCurrency::Change, this, [this] { Mostrar(*libre_, *valorLibre_); });
  Mostrar(*importe_, *valorImporte_);
  Mostrar(*libre_, *valorLibre_);
}

void NumbersPage::Mostrar(const ucnXCurrency& caja, QLabel& etiqueta) {
  const Variant v = caja.Text();
  etiqueta.setText(
      QString::fromUtf8("Text = %1")
          .arg(v.IsNull() ? QStringLiteral("Null") : QString::fromStdString(v.ToString())));
}
