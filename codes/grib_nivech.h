// Level and forecast-range values of GRIB edition 1 codes, as the codec and
// the message-file index count them (the viewer has rules of its own).
#ifndef CODES_GRIB_NIVECH_H
#define CODES_GRIB_NIVECH_H

class CLASS_GRIB_NIVECH {
public:
    static constexpr const char* spc_class_name = "CLASS_GRIB_NIVECH";

    CLASS_GRIB_NIVECH();

    // The decoder stores them after section 1: level type 8 depends on them.
    void vSetCentreVersionTable2(unsigned int centre, unsigned int version);

    // Result: 4 the level has a value, 0 a type without value (0..99, 102),
    // 3 any other type, -1 a type above 255 (level left unchanged). Type 8 of
    // centre 85, table version 196, is a temperature in hundredths of kelvin
    // given in degrees Celsius: below 0 C the level holds the negative value
    // in two's complement (read it back as int).
    int iGetNiveau(unsigned int type, unsigned int octet11, unsigned int octet12,
                   unsigned int& niveau);
    // Range in the message's time unit. Result: 1 P1, 0 analysis, 4 P1 and
    // P2 as one 16-bit range, 2 P2, 3 no range, -1 an indicator above 255
    // (range left unchanged).
    int iGetEcheance(unsigned int indicateur, unsigned int p1, unsigned int p2,
                     unsigned int& echeance);

    unsigned int ui_nivech_centre;
    unsigned int ui_nivech_version;
};

#endif
