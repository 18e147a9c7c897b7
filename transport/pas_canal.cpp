// The poll's step: what the popup says of its slot.
#include "transport/popup_http.h"

#include "gribdata/globales.h"
#include "transport/echec_transfert.h"
#include "ui/local.h"
#include "ui/texte_brut.h"

#include <cstdio>

namespace {

const char* const TAG = "<HTTPGRIB>";
const int ATTENTES_MAX = 1200;  // about two minutes without a thread
const int FINS_MAX = 10;        // the final text stays ten seconds
const Fl_Color VERT = 63;

std::string titre(const char* cle)
{
    return std::string("<font color=\"#880000\"><b>") + pcTraduire(cle) + "</b></font>:<br> ";
}

void vConnexion(TYPEDEF_HTTP& c, AffichageCanal& a)
{
    if (c.connexionAffichee)
        return;
    a.html += std::string("<br>") + pcTraduire("Connexion OK, envoi de la requete");
    a.progression = a.html.size();
    c.connexionAffichee = 1;
}

// The share of the expected length once the header told it; until then
// (and for an answer that never tells it) the octets received alone.
void vReception(TYPEDEF_HTTP& c, AffichageCanal& a)
{
    const int attendu = c.attendu.load();
    if (attendu > 0)
        std::snprintf(c.ligne, sizeof c.ligne, " %3d%% , %7d bytes", c.pourcent.load(), attendu);
    else
        std::snprintf(c.ligne, sizeof c.ligne, " %7d bytes", c.recus.load());
    a.html.resize(a.progression);
    a.html += std::string("<br><i>") + pcTraduire("Reception:") +
              "</i><font color=\"#000088\"><b>" + c.ligne + "</b></font><br>";
}

void vDebit(TYPEDEF_HTTP& c, AffichageCanal& a)
{
    char ligne[64];
    std::snprintf(ligne, sizeof ligne, " %.2lf KB/sec [%.2f sec]", c.debit.load(),
                  c.duree.load());
    a.html += std::string("<br><i>") + pcTraduire("Debit:") + "</i><font color=\"#000088\"><b>" +
              ligne + "</b></font><br>" + titre("Termine...");
}

// The reason a transfer ended red, after `avant`; the host a name names
// is the user's or the service's text, shown as it stands.
void vEchec(TYPEDEF_HTTP& c, AffichageCanal& a, int phase, const char* avant = "<br>")
{
    a.fond = FOND_ECHEC_HTTP;
    a.html += avant + sHtmlBrut(sRaisonEchec(phase, c.hote));
}

// The thread's final phase shown once; the slot then shows it ten seconds.
ActionCanal finale(TYPEDEF_HTTP& c)
{
    c.phase = PHASE_AFFICHEE;
    return CANAL_MONTRER_FIN;
}

ActionCanal attente(int index, TYPEDEF_HTTP& c)
{
    vJournal(TAG, "<popupHttp>>>>>>>>>>>>>>>>>> ASSOCIATION WAITING : handle: %d\n", index);
    if (c.attente++ < ATTENTES_MAX)
        return CANAL_ATTENDRE;
    if (!bAbandonnerCanal(index))
        return CANAL_ATTENDRE;  // bound meanwhile: the next poll follows it
    vLibererCanal(index);
    vJournal(TAG, "<popupHttp>>>>>>>>>>>>>>>>>> ASSOCIATION ERROR: handle: %d\n", index);
    return CANAL_FERMER;
}

}  // namespace

ActionCanal pasCanal(int index, AffichageCanal& a)
{
    TYPEDEF_HTTP& c = structHTTP[index];
    if (c.etat.load() == 1 && !bCanalLie(index))
        return attente(index, c);
    const int phase = c.phase.load();
    switch (phase) {
    case PHASE_RIEN: return CANAL_ATTENDRE;
    case PHASE_ENVOYEE: vConnexion(c, a); return CANAL_MONTRER;
    case PHASE_RECEPTION:
        vConnexion(c, a);
        vReception(c, a);
        return CANAL_MONTRER;
    case PHASE_RECUE:
        vConnexion(c, a);
        a.fond = VERT;
        vReception(c, a);
        vDebit(c, a);
        return finale(c);
    case PHASE_INTROUVABLE: vEchec(c, a, phase); return finale(c);
    case PHASE_CONNEXION: vEchec(c, a, phase, ""); return finale(c);
    case PHASE_ECHEC:
    case PHASE_DELAI:
    case PHASE_INCOMPLETE:
        // Connected: the popup keeps saying so above what went wrong.
        vConnexion(c, a);
        vEchec(c, a, phase);
        return finale(c);
    case PHASE_TROP_GRANDE:
    case PHASE_REFUSEE:
    case PHASE_ILLISIBLE:
    case PHASE_NON_CLASSEE:
    case PHASE_NON_ENREGISTREE:
    case PHASE_SANS_DONNEES:
        // What came is counted above why it ended red; but for an answer
        // too large, the service's message is filed beside, in a window
        // of its own.
        vConnexion(c, a);
        vReception(c, a);
        vEchec(c, a, phase);
        return finale(c);
    case PHASE_AFFICHEE:
        if (c.fin++ < FINS_MAX)
            return CANAL_ATTENDRE_FIN;
        vLibererCanal(index);
        vJournal(TAG, "<TimeoutHttp> END %d %s (%d)\n", index, c.ligne, phase);
        return CANAL_FERMER;
    default:
        vJournal(TAG, "<TimeoutHttp> ERROR %d\n", index);
        return CANAL_ARRETER;
    }
}
