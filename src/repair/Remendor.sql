-- Repair metadata: the host tables that every repair run rebuilds, their
-- columns and the column types. The build turns this script into
-- Remendor.mdb beside the executables (remendor-db create, then scramble).
--
-- DBTablas    one row per host table known to the repair. Reparar = True:
--             dropped and re-created, empty, by every run. Hereda: code of a
--             table whose columns this one also receives (its own code when
--             it takes none).
-- DBColumnas  one row per column; Orden is the position within its table.
--             A TipoDatos that names no DBTipos row leaves the column out.
-- DBTipos     the named column types. Type is one of TEXTO (with Size),
--             DOUBLE, LONG, INTEGER, DATETIME, CURRENCY, BOOLEAN, in any
--             letter case.

CREATE TABLE DBTablas (Nombre TEXT (60), CodTabla LONG, Hereda LONG, Reparar LOGICAL);
CREATE TABLE DBColumnas (CodTabla LONG, NombreCampo TEXT (60), TipoDatos TEXT (30),
  Orden LONG, Version TEXT (6));
CREATE TABLE DBTipos (TypeName TEXT (30), Type TEXT (20), Size LONG, Nulos LOGICAL,
  Requerido LOGICAL);

-- Types.
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Codigo2', 'TEXTO', 2, False, True);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Codigo6', 'TEXTO', 6, False, True);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Descripcion', 'texto', 60, True, False);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Cuit', 'Texto', 11, False, True);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Importe', 'CURRENCY', 0, True, False);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Porcentaje', 'DOUBLE', 0, True, False);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Entero', 'INTEGER', 0, False, True);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Numero', 'LONG', 0, False, True);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('Fecha', 'DATETIME', 0, True, False);
INSERT INTO DBTipos (TypeName, Type, Size, Nulos, Requerido) VALUES ('SiNo', 'BOOLEAN', 0, False, False);

-- Tables. 11Empresa holds the employer's data and is never rebuilt.
-- 18Porcentajes_Zona takes the columns of 16Zonas first (lower code).
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('11Empresa', 1, 1, False);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('12Obras_Sociales', 2, 2, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('13Situaciones_Revista', 3, 3, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('14Condiciones', 4, 4, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('15Actividades', 5, 5, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('16Zonas', 6, 6, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('17Modalidades_Contratacion', 7, 7, True);
INSERT INTO DBTablas (Nombre, CodTabla, Hereda, Reparar) VALUES ('18Porcentajes_Zona', 8, 6, True);

-- Columns.
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (1, 'Cuit', 'Cuit', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (1, 'RazonSocial', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (1, 'Domicilio', 'Descripcion', 3, '26');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (2, 'Codigo', 'Codigo6', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (2, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (2, 'AporteAdicional', 'Importe', 3, '27');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (3, 'Codigo', 'Entero', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (3, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (3, 'Licencia', 'SiNo', 3, '27');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (4, 'Codigo', 'Entero', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (4, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (4, 'Jubilado', 'SiNo', 3, '27');

-- Observaciones names a type that DBTipos lacks: it is left out.
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (5, 'Codigo', 'Entero', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (5, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (5, 'Observaciones', 'Memo', 3, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (5, 'Diferencial', 'SiNo', 4, '27');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (6, 'Codigo', 'Codigo2', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (6, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (6, 'Reduccion', 'Porcentaje', 3, '27');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (7, 'Codigo', 'Entero', 1, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (7, 'Descripcion', 'Descripcion', 2, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (7, 'ContribucionReducida', 'Porcentaje', 3, '26');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (7, 'TopeRemuneracion', 'Importe', 4, '27');

INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (8, 'Porcentaje', 'Porcentaje', 1, '27');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (8, 'VigenciaDesde', 'Fecha', 2, '27');
INSERT INTO DBColumnas (CodTabla, NombreCampo, TipoDatos, Orden, Version) VALUES (8, 'Secuencia', 'Numero', 3, '27');
