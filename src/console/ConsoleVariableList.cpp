#include "ConsoleVariableList.h"
#include "variables/VariableTable.h"

#include <algorithm>
#include <array>

namespace ConsoleVariableList {

namespace {

const QString MnemonicGap = QStringLiteral("          ");
const QString DescriptionGap = QStringLiteral("       ");

struct TDescription
{
    int VarNumber;
    const char *Text; // UTF-8
};

// clang-format off
constexpr TDescription Descriptions[] = {
    {DIESE, "Demande de renvoi de toutes les variables"},
    {ADDRDBG, "Pointeur de débogage"},
    {DATADBG, "Donnée pointée par ADDRDBG"},
    {STBDBG, "Masque de mise a 1 des bits du registre de DATADBG"},
    {RSBDBG, "Masque de remise a 0 des bits du registre de DATADBG"},
    {NTBDBG, "Masque dinversion des bits du registre de DATADBG"},
    {DOLLAR, "Informations dinitialisation des composants"},
    {DEV, "Type dappareil"},
    {ERROR, "Compteur global des erreurs internes"},
    {READY, "Appareil prêt à communiquer"},
    {AMX, "Balise pour contrôleur AMX"},
    {XCR, "Balise pour contrôleur AMX"},
    {UPDATER, "Reset de la machine pour Update"},
    {UNIT, "Fréquence de mesure des synchros dentrée, en dizaines de kHz"},
    {FACTORYRESET, "Retour aux réglages dusine (cadrages image conservés)"},
    {POSMEMORYRESET, "Effacement des réglages image mémorisés"},
    {STORE, "Enregistrement des données dans lEEPROM, ne pas couper la machine"},
    {QUIET, "Suppression de certaines variables émises pour accélérer la machine"},
    {LOCK, "Verrouillage de la face avant"},
    {SYNCLOSS, "Affichage sur perte de synchro"},
    {LCDBRIGHTNESS, "Luminosité de lafficheur LCD de la face avant"},
    {KEYBRIGHTNESS, "Luminosité des touches de la face avant"},
    {COPKIND, "Type dopération lente séquencée en cours"},
    {COPPROGRESS, "Avancement de lopération en cours, en pourcent"},
    {VERI1, "Identifiant machine, octets 0 et 1"},
    {VERI2, "Identifiant machine, octets 2 et 3"},
    {VERI3, "Identifiant machine, octets 4 et 5"},
    {VERI4, "Identifiant machine, octets 6 et 7"},
    {VERK, "Somme de contrôle du logiciel clavier"},
    {VERA, "Version du FPGA"},
    {VERB, "Version du CPLD de pont"},
    {VERC, "Version du CPLD de démultiplexage"},
    {VERV, "Version du jeu de variables"},
    {VERUPD, "Version de mise à jour"},
    {OPT, "Options activées ou détectées"},
    {REV, "Révision de la carte"},
    {STDBYREQUEST, "Demande de mise en veille"},
    {STDBYSTATUS, "Etat de veille"},
    {STDBYTIME, "Délai avant mise en veille (selon STDBYMODE)"},
    {STDBYMODE, "Mode dactivation de la veille"},
    {IAUTOSET, "Configuration automatique de lentrée"},
    {ICH, "Numéro de lentrée courante"},
    {ICHN, "Numéro de la nouvelle entrée"},
    {IPCHAN, "Numéro de lentrée réglée, affichée ou non (index des tableaux dentrée)"},
    {IPCHANSTATUS, "Copie détat de IPCHAN"},
    {ILOAD, "Synchro H de lentrée chargée sur 75 ohms"},
    {IUSED, "Entrée utilisée (une entrée inutilisée ne peut pas être choisie)"},
    {ITYPE, "Type de signal de lentrée"},
    {ISDSTDMODE, "Mode de détection du standard vidéo SD"},
    {ISOURCESTABILITY, "Stabilité de la source"},
    {IAMAP, "Source audio associée à lentrée vidéo"},
    {ISDI_CHANNEL_LEFT, "Canal SDI désembarqué pour la voie audio gauche"},
    {ISDI_CHANNEL_RIGHT, "Canal SDI désembarqué pour la voie audio droite"},
    {IDELAY, "Retard de traitement de lentrée (compensé sur laudio)"},
    {IDELAY_MODE, "Mode de détermination du retard de compensation audio"},
    {IPICTURE, "Numéro de limage associée à lentrée"},
    {IPICTURE_ENABLE, "Affichage permis de limage associée à lentrée"},
    {IPICTURE_LEFT, "Position horizontale de limage de lentrée"},
    {IPICTURE_TOP, "Position verticale de limage de lentrée"},
    {IPICTURE_TRANSPARENCY, "Transparence de limage de lentrée"},
    {INAME, "Nom du type de signal de lentrée"},
    {IFORMATLIST, "Champ de bits des formats informatiques proches du format détecté"},
    {IFORMATINDEX, "Index dans IFORMATLIST"},
    {IFORMATINDEXSTATUS, "Copie détat de IFORMATINDEX"},
    {IFORMATUSER, "Résolution dune entrée informatique corrigée par lutilisateur"},
    {IHPOL, "Synchro ligne dentrée positive"},
    {IVPOL, "Synchro trame dentrée positive"},
    {ISYNC, "Type de synchro dentrée"},
    {IFREQFIELD, "Fréquence trame de lentrée"},
    {IFREQLINE, "Fréquence ligne de lentrée"},
    {IDVI_IS_HDCP, "Entrée DVI protégée par HDCP"},
    {HPOS, "Position horizontale"},
    {VPOS, "Position verticale"},
    {HSIZE, "Taille horizontale"},
    {VSIZE, "Taille verticale"},
    {BRIGHTNESS, "Luminosité (offset)"},
    {CONTRAST, "Contraste (gain)"},
    {COLOR, "Niveau de couleur"},
    {HUE, "Teinte (NTSC)"},
    {RLV, "Niveau de rouge (signaux informatiques)"},
    {GLV, "Niveau de vert (signaux informatiques)"},
    {BLV, "Niveau de bleu (signaux informatiques)"},
    {OVER, "Surbalayage (overscan)"},
    {IASP, "Format dimage de lentrée"},
    {OASP, "Format dimage de la sortie"},
    {RHTOTAL, "Nombre total de pixels par ligne"},
    {RHTOTALMAXI, "Nombre total de pixels par ligne maximal permis"},
    {PHASE, "Phase"},
    {IMAGERESET, "Réglages image standard"},
    {AUTOCAD, "Demande de cadrage automatique"},
    {IFREEZE, "Gel de lentrée"},
    {FLICK, "Niveau de lanti-scintillement"},
    {SHARPNESS, "Netteté"},
    {GAMMA, "Gamma de sortie"},
    {RAUTO_PULLDOWN_2_2, "Pulldown 2:2 automatique"},
    {RAUTO_PULLDOWN_3_2, "Pulldown 3:2 automatique"},
    {RCORING, "Coring"},
    {ZMODE, "Mode de zoom"},
    {ZMTRANSITION, "Passage entre zoom actif et zoom inactif"},
    {ZMSCALE, "Mode de mise à léchelle du zoom"},
    {ZMHSIZE, "Largeur du zoom"},
    {ZMVSIZE, "Hauteur du zoom"},
    {ZMHPOS, "Position horizontale de la fenêtre de zoom"},
    {ZMVPOS, "Position verticale de la fenêtre de zoom"},
    {ZMINDEX, "Index des tableaux de zoom"},
    {ZMINDEXSTATUS, "Copie détat de ZMINDEX"},
    {AEMBED, "Embarquement audio actif ou non"},
    {ACH_MODE, "Mode de gestion des voies audio"},
    {ACH_BREAKAWAY, "Voie audio utilisée en breakaway"},
    {AMUTE, "Coupure du son en sortie"},
    {AMONO, "Sortie audio mono ou stéréo"},
    {AMASTERVOLUME, "Volume général"},
    {AMASTERVOLUME_STATUS, "Volume général, état en dB"},
    {AANALOGOUTLEVEL, "Niveau de la sortie audio analogique"},
    {ALEVEL, "Volume de la voie audio"},
    {ALEVEL_STATUS, "Volume de la voie audio, état"},
    {ABALANCE, "Balance de la voie audio"},
    {APCHAN, "Numéro de la voie audio réglée (index des tableaux audio)"},
    {APCHANSTATUS, "Copie détat de APCHAN"},
    {AREF_REQUEST, "Demande du mode de référence audio (fréquence déchantillonnage)"},
    {AREF_STATUS, "Etat du mode de référence audio"},
    {ASPDIFOUTRATE, "Fréquence déchantillonnage de la sortie S/PDIF (entrée audio analogique)"},
    {AUDIORESET, "Retour des réglages audio par défaut"},
    {OFORMAT, "Format de sortie"},
    {ORATE, "Fréquence trame de sortie"},
    {OSIGTYPEANALOG, "Type de signal vidéo de la sortie analogique"},
    {OSIGTYPEDIGITAL, "Type de synchro de la sortie numérique"},
    {OPATTERN, "Mire de sortie"},
    {OPATTERN_CROSSHATCH_H, "Largeur des carreaux de la mire quadrillée"},
    {OPATTERN_CROSSHATCH_V, "Hauteur des carreaux de la mire quadrillée"},
    {OPATTERN_COLOR_R, "Couleur de la mire, rouge"},
    {OPATTERN_COLOR_G, "Couleur de la mire, vert"},
    {OPATTERN_COLOR_B, "Couleur de la mire, bleu"},
    {OBLACK, "Sortie au noir"},
    {ONTSCPEDESTAL, "Piédestal NTSC"},
    {OPICTURE, "Numéro de limage associée à la sortie"},
    {OPICTURE_ENABLE, "Affichage permis de limage associée à la sortie"},
    {OPICTURE_LEFT, "Position horizontale de limage de sortie"},
    {OPICTURE_TOP, "Position verticale de limage de sortie"},
    {OPICTURE_TRANSPARENCY, "Transparence de limage de sortie"},
    {OHSIZE, "Largeur du format de sortie, en pixels"},
    {OVSIZE, "Hauteur du format de sortie, en lignes"},
    {ODVI_IS_HDCP, "Récepteur HDCP branché sur la sortie"},
    {OCCTRL, "Commande du nom du format de sortie personnalisé"},
    {OCEXECUTE, "Exécution de lopération choisie par OCCTRL"},
    {OCADVANCED, "Formats personnalisés saisis en mode avancé (CVT) ou non"},
    {OCSETTINGNUMBER, "Numéro du format de sortie personnalisé réglé"},
    {OCNAMEINDEX, "Index du caractère du nom du format personnalisé"},
    {OCNAMEINDEXSTATUS, "Copie détat de OCNAMEINDEX"},
    {OCNAME, "Caractère du nom du format personnalisé à OCNAMEINDEX"},
    {OCCVT_HUTIL, "CVT : pixels actifs par ligne"},
    {OCCVT_VUTIL, "CVT : lignes actives"},
    {OCCVT_RATE, "CVT : fréquence trame"},
    {OCCVT_SCANTYPE, "CVT : type de balayage"},
    {OCCVT_REDUCED_BLANKINGS, "CVT : suppression réduite"},
    {OCFULL_HSYNC, "Timing complet : largeur de la synchro H"},
    {OCFULL_HBACKPORCH, "Timing complet : palier arrière H"},
    {OCFULL_HFRONTPORCH, "Timing complet : palier avant H"},
    {OCFULL_HUTIL, "Timing complet : pixels actifs par ligne"},
    {OCFULL_HTOTAL, "Timing complet : total de pixels par ligne (état)"},
    {OCFULL_VSYNC, "Timing complet : largeur de la synchro V"},
    {OCFULL_VBACKPORCH0, "Timing complet : palier arrière V, trame 0"},
    {OCFULL_VFRONTPORCH0, "Timing complet : palier avant V, trame 0"},
    {OCFULL_VUTIL0, "Timing complet : lignes actives, trame 0"},
    {OCFULL_VBACKPORCH1, "Timing complet : palier arrière V, trame 1"},
    {OCFULL_VFRONTPORCH1, "Timing complet : palier avant V, trame 1"},
    {OCFULL_VUTIL1, "Timing complet : lignes actives, trame 1"},
    {OCFULL_VTOTAL, "Timing complet : total de lignes (état)"},
    {OCFULL_RATE, "Timing complet : fréquence trame"},
    {OCFULL_SCANTYPE, "Timing complet : type de balayage"},
    {REFREQUEST, "Type de référence trame demandé"},
    {REFSTATUS, "Type de référence courant (autre que XR sans signal)"},
    {REFFORMAT, "Code de famille du signal de référence"},
    {REFFREQ, "Fréquence trame du signal de référence"},
    {REFSCP, "Phase de la sous-porteuse"},
    {REFHPH, "Calage horizontal sur le genlock, en pixels"},
    {REFVPH, "Calage vertical sur le genlock, en lignes"},
    {REFLOCKSTATUS, "Sortie verrouillée sur la référence"},
    {PMODE, "Mode dutilisation des images"},
    {PEXECUTE, "Lancement de laction choisie par PMODE"},
    {PABORT, "Arrêt de lenregistrement dune image, séquenceur dimages libéré"},
    {PSTATUS, "Etat du séquenceur dimages"},
    {PVALID, "Champ de bits des images en mémoire (bit 0 : logo éteint)"},
    {PFADE_DURATION, "Durée du fondu du logo, en 10 ms"},
    {PCAPTURE_LEFT, "Capture : position horizontale"},
    {PCAPTURE_TOP, "Capture : position verticale"},
    {PCAPTURE_WIDTH, "Capture : largeur"},
    {PCAPTURE_HEIGHT, "Capture : hauteur"},
    {PCAPTURE_LUMAKEY_TYPE, "Type de seuil de la clé de luminance du logo"},
    {PCAPTURE_LUMAKEY_LEVEL, "Seuil de la clé de luminance du logo, de 0 à 255"},
    {PCAPTURE_BACK_COLOR, "Couleur du réglage de la clé de luminance du logo"},
    {PCAPTURE_STYLE, "Type de logo"},
    {PCAPTURE_CAPTURE_TIME, "Durée de capture du logo, en dixièmes de seconde"},
    {PCAPTURE_MAX_FRAME, "Nombre maximal dimages dun logo animé"},
    {PCAPTURE_FRAME_COUNT, "Nombre dimages du logo animé"},
    {PCAPTURE_REFRESH_INTERVAL, "Intervalle entre deux images du logo animé"},
    {PCAPTURE_INDEX, "Numéro de limage réglée"},
    {PSTATUS_INDEX, "Numéro de limage dont létat est demandé"},
    {PSTATUS_WIDTH, "Etat : largeur de limage PSTATUS_INDEX"},
    {PSTATUS_HEIGHT, "Etat : hauteur de cette image"},
    {PSTATUS_STYLE, "Etat : type de logo de cette image"},
    {PSTATUS_FRAME_COUNT, "Etat : nombre dimages de cette image"},
    {PSTATUS_REFRESH_INTERVAL, "Etat : intervalle entre deux images de cette image"},
    {EDIDSEL, "EDID lue par lentrée DVI"},
    {EDIDFMT, "Format préféré de lEDID"},
    {EDIDRATE, "Fréquence trame préférée de lEDID"},
    {EDIDSTORE, "Lancement de la mise à jour de lEDID (revient seul à 0)"},
    {LANENABLE, "Réseau LAN actif"},
    {LANRESET, "Retour des réglages LAN aux valeurs dusine"},
    {LANSTORE, "Application des réglages LAN"},
    {LANPADIP, "Adresse IP et port modifiés (index des tableaux LAN)"},
    {LANPADIPSTATUS, "Copie détat de LANPADIP"},
    {LANIP4, "Premier octet (poids fort) de ladresse IP choisie"},
    {LANIP3, "Deuxième octet de cette adresse"},
    {LANIP2, "Troisième octet de cette adresse"},
    {LANIP1, "Quatrième octet (poids faible) de cette adresse"},
    {LANIPPORT, "Port local ou distant choisi par LANPADIP"},
    {LANNETMASK, "Masque de sous-réseau"},
    {LANPROTOCOL, "Protocole IP utilisé"},
};
// clang-format on
static_assert(std::size(Descriptions) == VarTableSize, "one description per variable");

constexpr bool InTableOrder()
{
    for (int n = 0; n < VarTableSize; ++n)
        if (Descriptions[n].VarNumber != n)
            return false;
    return true;
}
static_assert(InTableOrder(), "descriptions in the order of the variable table");

} // namespace

QString Description(int varNumber)
{
    if (varNumber < 0 || varNumber >= VarTableSize)
        return QString();
    return QString::fromUtf8(Descriptions[varNumber].Text);
}

QString LineOf(int varNumber)
{
    const TVarDescriptor &row = VarTable[varNumber];
    return QLatin1String(row.SendMnemonic) + MnemonicGap + QLatin1String(row.ReplyMnemonic) + DescriptionGap
           + Description(varNumber);
}

QStringList SortedLines()
{
    QStringList lines;
    for (int n = 0; n < VarTableSize; ++n)
        lines << LineOf(n);
    std::sort(lines.begin(), lines.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return lines;
}

QString SendMnemonicOf(const QString &line)
{
    return line.section(MnemonicGap, 0, 0);
}

QString ReplyMnemonicOf(const QString &line)
{
    return line.section(MnemonicGap, 1, 1).section(DescriptionGap, 0, 0);
}

} // namespace ConsoleVariableList
