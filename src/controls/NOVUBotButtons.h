/*
** NOVUBotButtons: the one table of the button bar's 22 buttons. Everything
** else that names a button is made from it: the model's rows and named
** indexes (NOVUBotModel), the Bot_ properties, the events and the icons
** (NOVUBot). A new button is one new row here, plus its drawing in icons/.
**
** Columns of a row X(index, name, key, tooltip, description, icon):
**   index        the button's place in cmdBtn (3, 7, 8, 13, 17, 18, 19 and
**                29 are not used); the named index is k<name>;
**   name         the property is Bot_<name> and the event Boton<name>;
**   key          the name under which forms store the offered flag (the
**                key of PapelesdeTrabajo is "Imprimir", not its name);
**   tooltip      the button's fixed tooltip;
**   description  the member's help text for the form designer, nullptr
**                when it has none;
**   icon         the drawing's name in the controls' resources.
**
** Rows are in the order in which the bar declares its events, which is not
** the order of the indexes; the model walks the buttons by index.
*/
#pragma once

// clang-format off
#define NOVUBOT_BUTTONS(X)                                                                                  \
  X( 1, Nuevo,            "Nuevo",          "Agregar",              "Agrega un boton Nuevo",              "bot_nuevo")          \
  X( 2, Editar,           "Editar",         "Modificar",            "Agrega un boton Editar",             "bot_editar")         \
  X( 6, EliminarTodos,    "EliminarTodos",  "Eliminar Todos",       "Agrega un boton Eliminar Todos",     "bot_eliminartodos")  \
  X( 5, EliminarItem,     "EliminarItem",   "Eliminar Item",        nullptr,                              "bot_eliminaritem")   \
  X( 4, EliminarDato,     "EliminarDato",   "Eliminar",             nullptr,                              "bot_eliminardato")   \
  X( 9, PapelesdeTrabajo, "Imprimir",       "Imprimir",             "Agrega un boton Papeles de trabajo", "bot_imprimir")       \
  X(12, Generar,          "Generar",        "Generar",              "Agrega un boton Generar DDJJ",       "bot_generar")        \
  X(11, Importar,         "Importar",       "Importar",             "Agrega un boton Importar",           "bot_importar")       \
  X(14, Buscar,           "Buscar",         "Buscar",               "Agrega un boton Buscar",             "bot_buscar")         \
  X(22, BuscarEditando,   "BuscarEditando", "Consultar",            nullptr,                              "bot_buscareditando") \
  X(15, Copiar,           "Copiar",         "Copiar",               "Agrega un boton Copiar",             "bot_copiar")         \
  X(16, Opciones,         "Opciones",       "Opciones",             nullptr,                              "bot_opciones")       \
  X(10, ImprimirDecla,    "ImprimirDecla",  "Imprimir Formulario",  "Agrega un boton Imprimir Generico",  "bot_imprimirdecla")  \
  X(23, Respaldo,         "Respaldo",       "Respaldo",             nullptr,                              "bot_respaldo")       \
  X(24, Restauracion,     "Restauracion",   "Restauración",         nullptr,                              "bot_restauracion")   \
  X(25, Compactar,        "Compactar",      "Compactar",            nullptr,                              "bot_compactar")      \
  X(20, Cancelar,         "Cancelar",       "Cancelar",             "Agrega un boton Cancelar",           "bot_cancelar")       \
  X(21, Aceptar,          "Aceptar",        "Aceptar",              "Agrega un boton Aceptar",            "bot_aceptar")        \
  X(30, Salir,            "Salir",          "Salir",                "Agrega un boton Salir",              "bot_salir")          \
  X(26, Exportar,         "Exportar",       "Exportar",             nullptr,                              "bot_exportar")       \
  X(27, Check,            "Check",          "Ok",                   nullptr,                              "bot_check")          \
  X(28, Migrar,           "Migrar",         "Iniciar la migración", nullptr,                              "bot_migrar")
// clang-format on
