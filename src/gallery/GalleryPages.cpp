#include "gallery/GalleryPages.h"

#include <string>

#include "common/AppError.h"

const std::vector<GalleryPageInfo>& GalleryPages::Todas() {
  static const std::vector<GalleryPageInfo> paginas = {
      {"botones", "Botones",
       "NOVUBot, la barra de botones en sus tres estados (0: los ofrecidos, 1: Nuevo, Importar y "
       "Salir, 2: Aceptar y Cancelar); pulse un botón para ver su evento."},
      {"resultados", "Resultados",
       "NOVUInfoRep, la lista de resultados: lo que se encontró en la muestra, cada línea con su "
       "clase; escriba un texto y agréguelo como error, advertencia o información."},
      {"combo", "Combo",
       "NOVUCbo, el combo de código y texto cargado de la tabla provincias; elija una provincia o "
       "búsquela por su código."},
      {"listas", "Listas",
       "NOVUList, los titulares de la muestra ordenados (pulse un encabezado) y las provincias "
       "como lista de marcas (un clic en la casilla, la barra espaciadora o un doble clic marcan "
       "o desmarcan)."},
      {"arbol", "Árbol",
       "NOVUTree, las declaraciones, titulares y domicilios de la muestra; cada rama se carga "
       "cuando se abre por primera vez."},
      {"selectores", "Selectores",
       "NOVUSearch y NOVUDir: elija una base para abrir o un archivo para guardar, y una carpeta "
       "(se puede crear una nueva)."},
      {"numeros", "Importes",
       "ucnXCurrency, la caja de importes: coma decimal, puntos de miles, decimales fijos y un "
       "máximo; escriba un importe y salga de la caja."},
      {"domicilios", "Domicilios",
       "UcnDom, los domicilios de un titular de la muestra; elija el titular y pulse «...» para "
       "editarlos."},
      {"ventanas", "Ventanas",
       "a_c_graph, las ventanas estándar: acerca de, bienvenida, mensaje de una sola vez y aviso "
       "de cierre; pulse un botón para abrirla."},
      {"regional", "Regional",
       "a_c_w, los chequeos de números y fechas con la configuración regional de esta máquina; "
       "el botón los ejecuta con sus mensajes."},
  };
  return paginas;
}

const GalleryPageInfo& GalleryPages::De(const char* clave) {
  for (const GalleryPageInfo& p : Todas()) {
    if (std::string(p.clave) == clave) return p;
  }
  throw AppError(rterr::kSubscriptOutOfRange,
                 std::string("La galería no tiene la página ") + clave + ".");
}
