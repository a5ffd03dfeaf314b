/*
** SampleAddresses: the host's address data of the sample installation, so
** that the address editor has real rows to show.
**
** Adds to a host database, inside one transaction:
**   provincias     Codigo, Descripcion: the provinces, by their tax codes
**   23Titulares    Cuit, CodDJ, CodDueno, CodReferencia, Nombre: the owners
**                  of three declarations of three taxpayers
**   24Domicilios   the owners' addresses, one column per field slot, with a
**                  unique index on Cuit, CodDJ and CodDomicilio
** The rows hold what an editor must cope with: one fiscal address per
** owner that has one, accents, apostrophes (O'Higgins, D'Elía), an address
** without number, Null columns, an owner with no addresses, an owner code
** that two taxpayers share, and a row on the placeholder reference -2.
** The declarations are 1 to 3 of the sample's 21Declaraciones_Juradas,
** with their taxpayers. Refuses (the engine's 3010) a database that
** already has one of the tables.
**
** ConfigurarCampos fills the field slots the way the host describes that
** table; Titular names an owner of the data for the demonstration and the
** tests.
*/
#pragma once

#include <cstdint>
#include <string>

#include "address/AddressFieldSlots.h"
#include "dao/Database.h"

class SampleAddresses {
 public:
  static constexpr const char* kTabla = "24Domicilios";
  static constexpr const char* kTitulares = "23Titulares";
  static constexpr const char* kProvincias = "provincias";

  struct Titular {
    const char* Cuit;
    int32_t CodDJ;
    int32_t Dueño;
    int32_t CodReferencia;
  };
  // Three addresses, one fiscal, one without number and with Null columns.
  static constexpr Titular kEmpresa = {"30712345676", 1, 1, 1};
  // One fiscal address on a street with an apostrophe.
  static constexpr Titular kSocia = {"30712345676", 1, 2, 1};
  // Another taxpayer's owner with the same owner code as kEmpresa.
  static constexpr Titular kOtraEmpresa = {"30654321098", 2, 1, 1};
  // An owner without addresses.
  static constexpr Titular kSinDomicilios = {"30654321098", 2, 3, 1};
  // An owner whose address still waits for its reference.
  static constexpr Titular kReferenciaPendiente = {"33709876541", 3, 5, -2};

  static void Crear(dao::Database& db);
  static void ConfigurarCampos(AddressFieldSlots& campos);
};
