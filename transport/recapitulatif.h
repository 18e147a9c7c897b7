// Where a request shows its volume and cost: the request page's
// recapitulation installs one per request (the GRIB one with its send
// button, the bulletin one without).
#ifndef TRANSPORT_RECAPITULATIF_H
#define TRANSPORT_RECAPITULATIF_H

class Recapitulatif {
public:
    virtual ~Recapitulatif() = default;
    virtual void vVolume(const char* texte) = 0;  // Ko
    virtual void vCout(const char* texte) = 0;    // euros, or a word
    virtual void vEnvoi(bool actif) = 0;          // the send button
};

#endif
