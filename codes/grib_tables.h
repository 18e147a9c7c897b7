// Texts of the WMO and centre code tables, read from table files below
// $ZELpGbTables/grib/: omm.VVV/T for the WMO table T of table-2 version VVV,
// centre.CCC/T.VVV for a centre's own. Each line starts with its decimal
// code; the line numbered 999 is the table's title.
#ifndef CODES_GRIB_TABLES_H
#define CODES_GRIB_TABLES_H

class CLASS_GRIB_TABLES {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_TABLES";
    static const int TITRE = 999;

    CLASS_GRIB_TABLES();

    // Centre and table-2 version used by cpcGetEntry.
    void vSet(int centre, int version);
    // A negative centre means the WMO tables. Null when there is no title.
    const char* cpcGetTitle(int centre, int version, int table);
    // The line of the entry (newline included), or a line saying that the
    // entry is not listed; never null. Later versions and the centre's own
    // tables override earlier texts.
    const char* cpcGetEntry(int table, int valeur, int position);
    // Copies into the text the first line of the current table file whose
    // code is `cle`.
    void vScan(int cle);

    // The answer of the last look-up.
    char ca_texte[1024];
    int i_centre;
    int i_version;

    // The table file of the current look-up.
    static char sca_repertoire[32];
    static char sca_fichier[32];

private:
    void vFichierOmm(int version, int table);
    void vFichierCentre(int centre, int table, int version);
};

#endif
