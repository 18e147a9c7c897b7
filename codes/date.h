// Calendar times formatted from templates of blank-separated tokens, in
// French or US wording, and converted to and from calendar fields.
//
// Formatting and the field-to-time conversion work in the local time of the
// process; vSetDate splits in UTC. Every breakdown uses the re-entrant calls,
// but the result text belongs to the object: one object serves one thread at
// a time.
#ifndef CODES_DATE_H
#define CODES_DATE_H

struct tm;

class CLASS_CODES_DATE {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_DATE";

    CLASS_CODES_DATE();
    virtual ~CLASS_CODES_DATE();

    // langue 0 French, any other US. Null for a negative time or no template.
    const char* cpcGet(int langue, const char* modele, long temps);
    // A negative time formats the current time.
    const char* cpcGetFr(const char* modele, long temps);
    const char* cpcGetUs(const char* modele, long temps);
    // Null when the fields do not make a valid date.
    const char* cpcGetFr(const char* modele, unsigned int annee, unsigned int mois,
                         unsigned int jour, unsigned int heure, unsigned int minute,
                         unsigned int seconde);
    const char* cpcGetUs(const char* modele, unsigned int annee, unsigned int mois,
                         unsigned int jour, unsigned int heure, unsigned int minute,
                         unsigned int seconde);

    // Local-time fields to a calendar time; -1 when invalid.
    long time_tGet(unsigned int annee, unsigned int mois, unsigned int jour,
                   unsigned int heure, unsigned int minute, unsigned int seconde);
    // date YYYYMMDD and time HHMMSS.
    long time_tGet(unsigned long date, unsigned long heure);
    long time_tTime(unsigned int annee, unsigned int mois, unsigned int jour,
                    unsigned int heure, unsigned int minute, unsigned int seconde);

    // 0 valid, -1 invalid (after a warning). The year becomes a count from
    // 1900: 1970..2037 are reduced, 70..138 are taken as counts already.
    int iTestDate(const char* appelant, unsigned int& annee, unsigned int mois,
                  unsigned int jour, unsigned int heure, unsigned int minute,
                  unsigned int seconde);

    // UTC fields of a calendar time: four-digit year, month 1..12.
    void vSetDate(long temps, int& annee, int& mois, int& jour, int& heure, int& minute,
                  int& seconde);

    static const char* const pc_FrMois[12];
    static const char* const pc_FrMois3[12];
    static const char* const pc_FrJours[7];
    static const char* const pc_FrJours3[7];
    static const char* const pc_UsMois[12];
    static const char* const pc_UsMois3[12];
    static const char* const pc_UsJours[7];
    static const char* const pc_UsJours3[7];

    // Longest result, and longest template word kept (longer ones are cut).
    static const int RESULTAT_MAX = 63;
    static const int MOT_MAX = 27;

private:
    // Appends within the result text, cutting what does not fit.
    void vAjoute(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void vJeton(const char* mot, const struct tm& t, int langue);

    char ca_resultat[RESULTAT_MAX + 1];
    char* pc_sortie;
};

#endif
