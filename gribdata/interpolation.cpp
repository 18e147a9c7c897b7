// The interpolation worker: every message of the sorted input is written
// again, each U followed by its V, and after each message (or pair) the
// fields of the hours between it and the next message of the same series
// (model, grid and level) and parameter; rain as totals since the run
// where they are known. What is written as it stood, or left without its
// hours, is logged and makes the run end as incomplete (state 3).
#include "gribdata/interpolation.h"

#include "codes/date.h"
#include "codes/grib_get.h"
#include "codes/grib_put.h"
#include "codes/ibfile.h"
#include "codes/navigation.h"
#include "codes/obfile.h"
#include "gribdata/globales.h"
#include "gribdata/interpolation_pluie.h"
#include "gribdata/serie_grib.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const TAG = "<GINTERTIME>";
const float ABSENT = CLASS_GRIB_BASE::f_valeur_absente;

// A decoded message with its own copy of the octets: the records point into
// it, and it can be written out as it is.
struct Message {
    std::vector<unsigned char> octets;
    CLASS_GRIB_GET g;
    int numero = 0;
    // A constant field is kept as its one value, never expanded to its
    // points (its grid alone may count tens of millions).
    bool constant = false;
    float valeur[1] = {0};
    // The bits its values are written with: its own, or once the
    // interpolation changed them, the widest of the records they were
    // made of (0 only when all are constant, and so are they).
    unsigned int bits = 0;
    // Its values: the decoded points, or the one value of a constant.
    float* valeurs() { return constant ? valeur : g.pf_stg_valeurs; }
    unsigned long points() const { return constant ? 1 : g.ui_stg_nombre_points; }
    bool bValeurs() const { return constant || g.pf_stg_valeurs; }
};

bool bDirection(unsigned int p)
{
    switch (p) {
    case 31: case 47: case 93: case 101: case 104: case 107: case 109: case 200:
        return true;
    default:
        return false;
    }
}

// Components to direction (coming from) and force, in place.
void vVersDirectionForce(Message& u, Message& v)
{
    float* a = u.valeurs();
    float* b = v.valeurs();
    for (unsigned long k = 0; k < u.points(); ++k) {
        if (a[k] == ABSENT || b[k] == ABSENT)
            a[k] = b[k] = ABSENT;
        else
            vUVDF(a[k], b[k], a[k], b[k]);
    }
}

// Latitude and longitude spans of a grid, in degrees; polar grids count as
// large.
void vEtendue(const CLASS_GRIB_STRUCTURE& r, float& dLat, float& dLon)
{
    dLat = dLon = 360;
    float la1 = r.f_stg_ll_la1, la2 = r.f_stg_ll_la2, lo1 = r.f_stg_ll_lo1, lo2 = r.f_stg_ll_lo2;
    if (r.ui_stg_type == 4) {
        la1 = r.f_stg_ga_la1, la2 = r.f_stg_ga_la2, lo1 = r.f_stg_ga_lo1, lo2 = r.f_stg_ga_lo2;
    } else if (r.ui_stg_type != 0) {
        return;
    }
    // A south-to-north grid has La1 below La2.
    dLat = std::fabs(la1 - la2);
    dLon = lo1 > lo2 ? lo2 + 360 - lo1 : lo2 - lo1;
}

// A point present at both ends: something to interpolate.
bool bPointsCommuns(const float* a, const float* b, unsigned long n)
{
    for (unsigned long k = 0; k < n; ++k)
        if (a[k] != ABSENT && b[k] != ABSENT)
            return true;
    return false;
}

// A message cut short at the end of the file is not listed by the reader:
// a "GRIB" after the end of the last message listed gives it away.
bool bFinTronquee(CLASS_CODES_IBFILE& f, const char* nom)
{
    unsigned long fin = 0;
    STRUCT_FILE_MESSAGE d;
    for (int n = 1; n <= f.i_nombre && f.iGetDescription(d, n) == 0; ++n)
        fin = std::max(fin, (unsigned long)(d.ulOffset() + d.ulLongueur()));
    FILE* fichier = std::fopen(nom, "rb");
    if (!fichier || std::fseek(fichier, (long)fin, SEEK_SET) != 0) {
        if (fichier)
            std::fclose(fichier);
        return true;
    }
    std::string morceau;
    char tampon[65536];
    bool trouve = false;
    for (size_t lus; !trouve && (lus = std::fread(tampon, 1, sizeof tampon, fichier)) > 0;) {
        // The last 3 octets of the previous read, for a mark across reads.
        morceau = morceau.substr(morceau.size() < 3 ? 0 : morceau.size() - 3);
        morceau.append(tampon, lus);
        trouve = morceau.find("GRIB") != std::string::npos;
    }
    std::fclose(fichier);
    return trouve;
}

class Travail {
public:
    // The final state: 0 done, 2 failed.
    int iExecuter();

private:
    int iEchec(int numero, const char* raison);
    bool bCharger(Message& m, int numero);
    bool bEcrire(const unsigned char* octets, unsigned long longueur);
    // Re-encodes m (or writes its octets, said, when it cannot be
    // re-encoded): false when writing failed; `reencode` tells which
    // happened.
    bool bEcrireMessage(Message& m, bool& reencode);
    // Writes m's octets as they stand: false when writing failed.
    bool bEcrireTelQuel(const Message& m, const char* raison);
    int iChargerV(const Message& u, Message& v);
    int iMessage(int numero);
    // A (and B) written; then the hours up to N (and M): 0, or 1 to stop.
    int iSuite(bool paire);
    int iInterpoler(bool paire);
    bool bInterpolable(bool paire, int& heures);
    bool bProduire(CLASS_GRIB_PUT& e, Message& debut, unsigned int heure);
    // The hours after A that will not be written: logged, and the run
    // ends as incomplete. Answers 0 (go on).
    int iSansHeures(const char* raison);
    // The messages of message n's series (by number), for the reader's
    // searches.
    std::function<bool(int)> memeSerie(int n) const;
    void vSeries();
    // Both ends constant, or both expanded: false when either had to be
    // decoded again and could not.
    bool bAccorder(Message& x, Message& y);
    int iInterpolerConstantes(bool paire, int heures);
    int iEncoderEcrire(CLASS_GRIB_PUT& e);
    int iFin(int etat);
    // A and B as direction and force: those kept from when they were N and
    // M, else turned from their components.
    void vDirectionForceCourante();
    void vRetenir(const Message& u, const Message& v);

    CLASS_CODES_IBFILE lecteur_;
    CLASS_CODES_OBFILE ecrivain_;
    Message a_, b_, n_, m_;
    CLASS_GRIB_PUT e1_, e2_;
    std::vector<float> valeurs1_, valeurs2_;
    // The direction and force of the pair of messages numbered u and v, as
    // turned from their components (before any unwrap).
    struct DirectionForce {
        int u = 0, v = 0;
        std::vector<float> directions, forces;
    } retenue_;
    PluieInterpolee pluie_;
    CLASS_CODES_DATE date_;
    std::string temporaire_;
    // Each message's series, by number less 1.
    std::vector<SerieGrib> series_;
    int interpoles_ = 0;
    int incomplets_ = 0;
    bool intervalleRefuse_ = false;
};

int Travail::iEchec(int numero, const char* raison)
{
    vJournal(TAG, "Echec message %d : %s\n", numero, raison);
    return 1;
}

bool Travail::bCharger(Message& m, int numero)
{
    const unsigned long longueur = lecteur_.ulGet(numero);
    m.numero = numero;
    m.constant = false;
    m.octets.assign(lecteur_.puc_message, lecteur_.puc_message + longueur);
    m.g.vMessage(m.octets.data(), (unsigned int)longueur);
    if (longueur && m.g.iGetSections() == 0) {
        // Rain is summed point by point: never kept as one value.
        m.constant = !PluieInterpolee::bConcerne(m.g) && m.g.bConstant(m.valeur[0]);
        if (m.constant || m.g.iGet(0) == 0) {
            m.bits = uiBitsReencodage(m.g);
            return true;
        }
    }
    CLASS_CODES_LOGERR::iErr(1, "Grib incorrect No:", "%d", numero);
    return false;
}

bool Travail::bEcrire(const unsigned char* octets, unsigned long longueur)
{
    return ecrivain_.iWrite(octets, longueur) == 0;
}

bool Travail::bEcrireMessage(Message& m, bool& reencode)
{
    // A constant field is already as small as it gets.
    if (m.constant) {
        reencode = true;
        return bEcrire(m.octets.data(), m.octets.size());
    }
    e1_.vCopie(m.g);
    e1_.ui_stg_bits_par_valeur = m.bits;
    const unsigned char* message = e1_.cpucPut();
    reencode = message != nullptr;
    if (!reencode)
        return bEcrireTelQuel(m, "encodage impossible");
    return bEcrire(message, e1_.ui_longueur_message);
}

bool Travail::bEcrireTelQuel(const Message& m, const char* raison)
{
    vJournal(TAG, "Message %d copie tel quel : %s\n", m.numero, raison);
    ++incomplets_;
    return bEcrire(m.octets.data(), m.octets.size());
}

int Travail::iSansHeures(const char* raison)
{
    vJournal(TAG, "Message %d : %s, heures suivantes non interpolees\n", a_.numero, raison);
    ++incomplets_;
    return 0;
}

std::function<bool(int)> Travail::memeSerie(int n) const
{
    return [this, n](int k) { return series_[size_t(k - 1)] == series_[size_t(n - 1)]; };
}

// Read once for all the searches of the run.
void Travail::vSeries()
{
    series_.assign(size_t(lecteur_.i_nombre), SerieGrib());
    for (int n = 1; n <= lecteur_.i_nombre; ++n) {
        const unsigned long longueur = lecteur_.ulGet(n);
        // Shorter than the key reads, it cannot be decoded either: the run
        // stops there.
        if (longueur >= 36)
            series_[size_t(n - 1)] = serieGrib(lecteur_.puc_message, uint32_t(longueur));
    }
}

// The V partner of u into v: 0; -1 when u has none in its series; 1 to
// stop, after a log line.
int Travail::iChargerV(const Message& u, Message& v)
{
    const int nv =
        lecteur_.intGetAssocie(u.numero, (int)u.g.ui_stg_parametre + 1, memeSerie(u.numero));
    if (nv <= 0)
        return -1;
    if (!bCharger(v, nv))
        return iEchec(nv, "message indecodable");
    return 0;
}

bool Travail::bInterpolable(bool paire, int& heures)
{
    CLASS_GRIB_GET& a = a_.g;
    CLASS_GRIB_GET& n = n_.g;
    const time_t ta = a.timetDateDeValidite(0);
    const long intervalle = (long)(n.timetDateDeValidite(0) - ta);
    if (paire && intervalle != (long)(m_.g.timetDateDeValidite(0) - b_.g.timetDateDeValidite(0))) {
        iSansHeures("composantes a des intervalles differents");
        return false;
    }
    heures = (int)(intervalle / 3600);
    // Ranges in another unit cannot take whole hours.
    const bool heure = a.ui_stg_unite_temps == 1 && n.ui_stg_unite_temps == 1 &&
                       (!paire || (b_.g.ui_stg_unite_temps == 1 && m_.g.ui_stg_unite_temps == 1));
    if (!heure || heures <= GRIB_INTERPOLATION_PAS) {
        vJournal(TAG, " --> Pas d'interpolation : %s\n",
                 date_.cpcGetFr("js j ms a4 - HH heure(s)", (long)ta));
        if (!heure)
            iSansHeures("echeances en une autre unite que l'heure");
        return false;
    }
    float dLat, dLon;
    vEtendue(a, dLat, dLon);
    if ((heures > 3 && (dLat <= 4 || dLon <= 4)) || heures > 6) {
        vJournal(TAG, " --> ERROR Pas d'interpolation : %d %f %f\n", heures, (double)dLat,
                 (double)dLon);
        // Steps too far apart for the grid are left as they are by
        // design (a forecast's later steps): no notice for them.
        intervalleRefuse_ = true;
        return false;
    }
    return true;
}

// Encoder e takes the record of `debut` at `heure` hours more; its values
// and bits are set by the caller.
bool Travail::bProduire(CLASS_GRIB_PUT& e, Message& debut, unsigned int heure)
{
    e.vCopie(debut.g);
    if (PluieInterpolee::bConcerne(debut.g))
        return PluieInterpolee::iEcheance(debut.g, heure, e) == 0;
    return iGribSetEcheance(heure, e) == 0;
}

// The hours between A (and B) and N (and M): 0 go on, 1 stop.
int Travail::iInterpoler(bool paire)
{
    int heures = 0;
    if (!bInterpolable(paire, heures))
        return 0;
    const unsigned long points = a_.g.ui_stg_nombre_points;
    unsigned int bits = std::max(a_.bits, n_.bits);
    if (paire)
        bits = std::max({bits, b_.bits, m_.bits});
    if (bits > 24 || !bPointsCommuns(a_.g.pf_stg_valeurs, n_.g.pf_stg_valeurs, points))
        return iSansHeures("aucun champ interpolable");
    valeurs1_.resize(points);
    valeurs2_.resize(points);
    for (int k = 1; k < heures; ++k) {
        const float wn = (float)k / (float)heures, wa = (float)(heures - k) / (float)heures;
        if (!bProduire(e1_, a_, (unsigned int)k) ||
            (paire && !bProduire(e2_, b_, (unsigned int)k)))
            return iSansHeures("echeance hors limites");
        vGribInterpolation(a_.g.pf_stg_valeurs, n_.g.pf_stg_valeurs, valeurs1_.data(), wa, wn,
                           (int)points, paire || bDirection(a_.g.ui_stg_parametre));
        e1_.pf_stg_valeurs = valeurs1_.data();
        e1_.ui_stg_bits_par_valeur = bits;
        if (paire) {
            vGribInterpolation(b_.g.pf_stg_valeurs, m_.g.pf_stg_valeurs, valeurs2_.data(), wa,
                               wn, (int)points, 0);
            for (unsigned long i = 0; i < points; ++i)
                if (valeurs1_[i] != ABSENT)
                    vDFUV(valeurs1_[i], valeurs2_[i], valeurs1_[i], valeurs2_[i]);
            e2_.pf_stg_valeurs = valeurs2_.data();
            e2_.ui_stg_bits_par_valeur = bits;
        }
        if (iEncoderEcrire(e1_) != 0 || (paire && iEncoderEcrire(e2_) != 0))
            return 1;
    }
    return 0;
}

int Travail::iEncoderEcrire(CLASS_GRIB_PUT& e)
{
    const unsigned char* message = e.cpucPut();
    if (!message)
        return iEchec(a_.numero, "champ interpole non encodable");
    if (!bEcrire(message, e.ui_longueur_message))
        return iEchec(a_.numero, "ecriture impossible");
    ++interpoles_;
    return 0;
}

int Travail::iExecuter()
{
    if (iGribDecompression(GRIB_INTERPOLATION_ENTREE) != 0)
        return 2;
    temporaire_ = std::string(GRIB_INTERPOLATION_SORTIE) + ".tmp";
    if (lecteur_.iOpen(GRIB_INTERPOLATION_ENTREE, 0) != 0 || lecteur_.i_nombre == 0) {
        vJournal(TAG, "Entree illisible %s\n", GRIB_INTERPOLATION_ENTREE);
        return iFin(2);
    }
    if (bFinTronquee(lecteur_, GRIB_INTERPOLATION_ENTREE)) {
        vJournal(TAG, "Entree tronquee %s : le dernier message est incomplet\n",
                 GRIB_INTERPOLATION_ENTREE);
        return iFin(2);
    }
    lecteur_.vSort();
    vSeries();
    if (ecrivain_.iOpen(temporaire_.c_str(), 0) != 0) {
        vJournal(TAG, "Sortie impossible %s\n", temporaire_.c_str());
        return iFin(2);
    }
    for (int numero = 1; numero <= lecteur_.i_nombre; ++numero)
        if (iMessage(numero) != 0)
            return iFin(2);
    vJournal(TAG, "Lus: %d - Ecrits: %d sur %s \n", lecteur_.i_nombre, ecrivain_.i_blocs,
             GRIB_INTERPOLATION_SORTIE);
    if (intervalleRefuse_ && interpoles_ < 2)
        return iFin(2);
    if (incomplets_)
        vJournal(TAG, "Interpolation incomplete : %d message(s) ecrit(s) tel(s) quel(s) ou sans "
                      "leurs heures\n", incomplets_);
    return iFin(incomplets_ ? 3 : 0);
}

// Message `numero` of the sorted input: 0, or 1 to stop the run.
int Travail::iMessage(int numero)
{
    if (!bCharger(a_, numero))
        return iEchec(numero, "message indecodable");
    const unsigned int p = a_.g.ui_stg_parametre;
    // Matrices of values (spectra) are not interpolated.
    if (!a_.bValeurs())
        return bEcrireTelQuel(a_, "matrices de valeurs") ? 0
                                                         : iEchec(numero, "ecriture impossible");
    if (bComposanteV(int(p))) {
        // Written with its U; without one, as it is.
        if (lecteur_.intGetAssocie(numero, (int)p - 1, memeSerie(numero)) <= 0 &&
            !bEcrireTelQuel(a_, "composante V sans U"))
            return iEchec(numero, "ecriture impossible");
        return 0;
    }
    const bool paire = bComposanteU(int(p));
    if (PluieInterpolee::bConcerne(a_.g))
        pluie_.vCourant(a_.octets, a_.g, a_.bits);
    bool reencode = false, reencodeV = true;
    if (!bEcrireMessage(a_, reencode))
        return iEchec(numero, "ecriture impossible");
    if (paire) {
        // A U alone is written as it is, as a V alone: the run goes on.
        const int v = iChargerV(a_, b_);
        if (v != 0)
            return v < 0 ? iSansHeures("composante U sans V") : 1;
        if (!bEcrireMessage(b_, reencodeV))
            return iEchec(b_.numero, "ecriture impossible");
        reencode = reencode && reencodeV;
    }
    // A message written as it is (said) is not interpolated.
    if (!reencode)
        return 0;
    if (paire && (!b_.bValeurs() || iGribControle(a_.g, b_.g) != 0))
        return iSansHeures("composantes sans valeurs ou sur deux grilles");
    return iSuite(paire);
}

int Travail::iSuite(bool paire)
{
    const int suivant = lecteur_.iGetGribSuivant(a_.numero, memeSerie(a_.numero));
    if (suivant <= 0)
        return 0;
    if (!bCharger(n_, suivant))
        return iEchec(suivant, "message indecodable");
    if (!n_.bValeurs() || iGribControle(a_.g, n_.g) != 0)
        return iSansHeures("suivant sans valeurs ou sur une autre grille");
    if (!paire && PluieInterpolee::bConcerne(a_.g) &&
        !pluie_.bSuivant(a_.octets, a_.g, n_.octets, n_.g)) {
        vJournal(TAG, "Message %d : pluie sans cumul commun avec le message %d\n", a_.numero,
                 suivant);
        return iSansHeures("pluie sans cumul commun");
    }
    if (paire) {
        const int v = iChargerV(n_, m_);
        if (v != 0)
            return v < 0 ? iSansHeures("composante U suivante sans V") : 1;
        if (!m_.bValeurs() || iGribControle(b_.g, m_.g) != 0)
            return iSansHeures("composante V sans valeurs ou sur une autre grille");
    }
    const bool constantes = a_.constant && n_.constant && (!paire || (b_.constant && m_.constant));
    if (!constantes && !(bAccorder(a_, n_) && (!paire || bAccorder(b_, m_))))
        return iEchec(a_.numero, "champ constant indecodable");
    if (paire) {
        vDirectionForceCourante();
        vVersDirectionForce(n_, m_);
        vRetenir(n_, m_);
    }
    if (constantes) {
        int heures = 0;
        return bInterpolable(paire, heures) ? iInterpolerConstantes(paire, heures) : 0;
    }
    return iInterpoler(paire);
}

// A constant end facing a field of values is expanded as that field is.
bool Travail::bAccorder(Message& x, Message& y)
{
    for (Message* m : {&x, &y})
        if (m->constant) {
            m->constant = false;
            if (m->g.iGet(0) != 0)
                return false;
        }
    return true;
}

// The hours between two constant fields (and their partners): constant
// fields too, made from the first one's octets.
int Travail::iInterpolerConstantes(bool paire, int heures)
{
    for (int k = 1; k < heures; ++k) {
        const float wn = (float)k / (float)heures, wa = (float)(heures - k) / (float)heures;
        if (!bProduire(e1_, a_, (unsigned int)k) || (paire && !bProduire(e2_, b_, (unsigned int)k)))
            return iSansHeures("echeance hors limites");
        float v1 = 0, v2 = 0;
        vGribInterpolation(a_.valeur, n_.valeur, &v1, wa, wn, 1,
                           paire || bDirection(a_.g.ui_stg_parametre));
        if (paire) {
            vGribInterpolation(b_.valeur, m_.valeur, &v2, wa, wn, 1, 0);
            if (v1 != ABSENT)
                vDFUV(v1, v2, v1, v2);
        }
        const std::vector<unsigned char> c1 = vChampConstant(a_.octets, a_.g, e1_, v1);
        if (!bEcrire(c1.data(), c1.size()))
            return iEchec(a_.numero, "ecriture impossible");
        ++interpoles_;
        if (paire) {
            const std::vector<unsigned char> c2 = vChampConstant(b_.octets, b_.g, e2_, v2);
            if (!bEcrire(c2.data(), c2.size()))
                return iEchec(a_.numero, "ecriture impossible");
            ++interpoles_;
        }
    }
    return 0;
}

void Travail::vDirectionForceCourante()
{
    const unsigned long n = a_.points();
    const DirectionForce& r = retenue_;
    if (r.u != a_.numero || r.v != b_.numero || a_.constant || b_.constant ||
        r.directions.size() != n || b_.points() != n) {
        vVersDirectionForce(a_, b_);
        return;
    }
    std::copy(r.directions.begin(), r.directions.end(), a_.valeurs());
    std::copy(r.forces.begin(), r.forces.end(), b_.valeurs());
}

void Travail::vRetenir(const Message& u, const Message& v)
{
    retenue_.u = retenue_.v = 0;
    if (u.constant || v.constant || u.points() != v.points())
        return;
    const float* d = u.g.pf_stg_valeurs;
    const float* f = v.g.pf_stg_valeurs;
    retenue_.directions.assign(d, d + u.points());
    retenue_.forces.assign(f, f + v.points());
    retenue_.u = u.numero;
    retenue_.v = v.numero;
}

// Closes both files and removes the working copy; the output takes its name
// once written whole (state 0 or 3), and is removed on failure.
int Travail::iFin(int etat)
{
    lecteur_.vClose();
    ecrivain_.vClose();
    unlink(GRIB_INTERPOLATION_ENTREE);
    if (etat != 2 && rename(temporaire_.c_str(), GRIB_INTERPOLATION_SORTIE) != 0) {
        vJournal(TAG, "Renommage impossible %s\n", temporaire_.c_str());
        etat = 2;
    }
    if (etat == 2) {
        unlink(temporaire_.c_str());
        vJournal(TAG, "Interpolation abandonnee, rien n'est ecrit\n");
    }
    return etat;
}

}  // namespace

void* gintertime(void*)
{
    CLASS_CODES_LOGERR contexte("gintertime");
    Travail travail;
    GRIB_INTERPOLATION_START = travail.iExecuter();
    return nullptr;
}
