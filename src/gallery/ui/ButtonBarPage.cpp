#include "gallery/ui/ButtonBarPage.h"

#include <QLabel>

#include "controls/PropertyStore.h"
#include "controls/ui/NOVUBot.h"

namespace {

const char* const kEstados[] = {"Estado 0: los botones ofrecidos",
                                "Estado 1: Nuevo, Importar y Salir",
                                "Estado 2: Aceptar y Cancelar"};

}  // namespace

ButtonBarPage::ButtonBarPage(QWidget* parent) : GalleryPage("botones", parent) {
  PropertyStore ajustes;
  for (const char* clave : {"Nuevo", "Editar", "EliminarDato", "Importar", "Buscar", "Imprimir",
                            "Aceptar", "Cancelar", "Salir"}) {
    ajustes.Write(clave, true);
  }
  evento_ =
      Etiqueta(QString::fromUtf8("Pulse un botón de una barra."), QRect(6000, 600, 4600, 900));
  for (int estado = 0; estado < 3; estado++) {
    const int left = 240 + estado * 1900;
    Etiqueta(QString::fromUtf8(kEstados[estado]), QRect(left, 0, 1800, 560));
    NOVUBot* bot = new NOVUBot(ajustes, Area());
    bot->setObjectName(QStringLiteral("barra%1").arg(estado));
    bot->Move(left, 600, 795, 5700);
    bot->SetEstado(estado);
    // Every button of the table, named as its event.
#define GALERIA_CONECTAR(indice, nombre, ...)                                                   \
  connect(bot, &NOVUBot::Boton##nombre, this, [this, estado] {                                  \
    evento_->setText(                                                                           \
        QString::fromUtf8("Último evento: Boton" #nombre " (barra en estado %1)").arg(estado)); \
  });
    NOVUBOT_BUTTONS(GALERIA_CONECTAR)
#undef GALERIA_CONECTAR
    barras_[static_cast<size_t>(estado)] = bot;
  }
}
