// The command table of the main window.
#include "app/CommandTable.h"

#include <cstring>

namespace
{
const char* const kFile = "&File";
const char* const kEdit = "&Modifica";
const char* const kView = "&Visualizza";
const char* const kCalc = "&Visualizza/Calcoli";
const char* const kZoom = "Zoom";
const char* const kHelp = "&?";

const std::vector<SCommand> kCommands = {
    {57600, kFile, "&Nuovo\tCtrl+N", "Ctrl+N", "document-new", "new.svg", "Crea un nuovo documento\nNuovo"},
    {57601, kFile, "&Apri...\tCtrl+A", "Ctrl+O", "document-open", "open.svg",
     "Apre un documento esistente\nApri"},
    {57603, kFile, "&Salva\tCtrl+S", "Ctrl+S", "document-save", "save.svg",
     "Salva il documento attivo\nSalva"},
    {57604, kFile, "Sa&lva con nome...", "", nullptr, nullptr,
     "Salva il documento attivo con un nuovo nome\nSalva con nome"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32790, kFile, "Esporta Carichi su file TXT", "", nullptr, nullptr,
     "Esporta i dati relativi ai carichi su file TXT compatibile da Excel"},
    {32792, kFile, "Esporta dettaglio risultante (TXT)", "", nullptr, nullptr,
     "Esporta le coppie (x,p(x)) in un file di testo tabulato compatibile anche con Excel"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32804, kFile, "Esporta risultante per Excel (x, p(x)) (CSV) ", "", nullptr, nullptr,
     "Esporta le coppie X,P(x) per il calcolo delle sollecitazioni della trave nave"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32793, kFile, "Esporta Dettaglio risultante (DXF)", "", nullptr, nullptr,
     "Esporta il grafico della risultante su file DXF"},
    {32796, kFile, "Esporta Particolareggiato (DXF)", "", nullptr, nullptr,
     "Esporta il grafico Particolareggiato su file DXF"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32797, kFile, "Importa da vecchio formato (*.p)", "", nullptr, nullptr,
     "Converte i file scritti con il vecchio formato \".p\""},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {57607, kFile, "Stam&pa...\tCtrl+P", "Ctrl+P", "document-print", "print.svg",
     "Stampa il documento attivo\nStampa"},
    {57609, kFile, "Antepri&ma di stampa", "", nullptr, nullptr,
     "Visualizza le pagine per intero\nAnteprima di stampa"},
    {57606, kFile, "Imposta s&tampante...", "", nullptr, nullptr,
     "Modifica le impostazioni relative alla stampante e alla stampa\nImposta stampante"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {57665, kFile, "&Esci", "", nullptr, nullptr,
     "Esce dall'applicazione e chiede di salvare i documenti\nEsci"},
    {57643, kEdit, "Annulla", "Ctrl+Z; Alt+Backspace", nullptr, nullptr,
     "Annulla l'ultima modifica ai carichi\nAnnulla"},
    {57644, kEdit, "Ripeti", "Ctrl+Y; Ctrl+Shift+Z", nullptr, nullptr,
     "Ripete la modifica annullata\nRipeti"},
    {0, kEdit, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32798, kEdit, "Inserisci TUTTI  i carichi di un altro file", "", nullptr, nullptr,
     "Inserisce tutti i carichi di un altro file con le stesse modalità del file di origine"},
    {32799, kEdit, "Inserisci un carico EQUIVALENTE ricavato da un altro file pondera", "", nullptr, nullptr,
     "Importa un carico con le caratteristiche globali del complesso dei carichi"},
    {59392, kView, "Barra degli st&rumenti", "", nullptr, nullptr,
     "Mostra o nasconde la barra degli strumenti\nMostra/nascondi barra degli strumenti"},
    {59393, kView, "Barra di st&ato", "", nullptr, nullptr,
     "Mostra o nasconde la barra di stato\nMostra/nascondi barra di stato"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32771, kView, "Elenco dei carichi", "", "view-list-details", "loads.svg",
     "Permette di aggiungere o modificare i carichi\nElenco dei carichi"},
    {32789, kView, "Esplorazione punti discontinuità", "", nullptr, nullptr, ""},
    {32807, kView, "Tavole del Bonjean", "", "x-office-spreadsheet", "bonjean.svg", "\nTavole del Bonjean"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32774, kCalc, "Calcolo Risultante e Baricentro dei pesi", "", nullptr, nullptr, ""},
    {32810, kCalc, "Sollecitazioni della trave nave...", "", nullptr, nullptr,
     "Calcola taglio e momento flettente della nave in equilibrio sulla tavola di carena"},
    {32811, kCalc, "Curve idrostatiche...", "", nullptr, nullptr,
     "Calcola le curve idrostatiche dalla tabella delle aree"},
    {32812, kCalc, "Verifica condizioni di carico...", "", nullptr, nullptr,
     "Verifica le condizioni di carico rispetto ai limiti ammissibili"},
    {32813, kCalc, "Riepilogo per gruppi...", "", nullptr, nullptr, "Pesi e baricentri per gruppo di codice"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32778, kView, "Grafico risultante", "", nullptr, nullptr, ""},
    {32779, kView, "Grafico particolareggiato", "", nullptr, nullptr, ""},
    {32780, kView, "Grafico carico isolato", "", nullptr, nullptr, ""},
    {32800, kView, "Grafico con part. individuazione carichi", "", nullptr, nullptr,
     "Grafico con la possibilità di individuare un carico con il click del tasto sinistro del mouse"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {32777, kView, "Risdisegna", "", "view-refresh", "redraw.svg",
     "Ridisegna il grafico corrente\nRidisegna"},
    {32783, kZoom, "Zoom Out", "", "zoom-out", "zoom-out.svg",
     "Ingrandisce la finestra di visualizzazione \n Zoom Out"},
    {32784, kZoom, "Auto Zoom", "", "zoom-fit-best", "zoom-auto.svg",
     "Visualizza l'intera lunghezza della nave \n Auto Zoom"},
    {57664, kHelp, "Infor&mazioni su Scafometro...", "", "help-about", "about.svg",
     "Visualizza le informazioni sul programma, il numero di versione e il copyright\nInformazioni su"},
    // Reached by shortcut or toolbar only; nothing handles cut, nor the panes.
    {57634, nullptr, nullptr, "Ctrl+C; Ctrl+Ins", "edit-copy", "copy.svg",
     "Copia i carichi negli Appunti come tabella per Excel\nCopia"},
    {57635, nullptr, nullptr, "Ctrl+X; Shift+Del", "edit-cut", "cut.svg",
     "Taglia la selezione e la inserisce negli Appunti\nTaglia"},
    {57637, nullptr, nullptr, "Ctrl+V; Shift+Ins", "edit-paste", "paste.svg",
     "Aggiunge i carichi della tabella negli Appunti\nIncolla"},
    {57680, nullptr, nullptr, "F6", nullptr, nullptr, "Passa al riquadro successivo\nRiquadro successivo"},
    {57681, nullptr, nullptr, "Shift+F6", nullptr, nullptr,
     "Torna al riquadro precedente\nRiquadro precedente"},
};

const std::vector<int> kToolbar = {57600, 57601, 57603, 0,     57634, 57635, 57637, 0,    57607,
                                   0,     57664, 32783, 32784, 0,     32777, 32771, 32807};
} // namespace

const std::vector<SCommand>& CCommandTable::Commands()
{
    return kCommands;
}

const std::vector<int>& CCommandTable::Toolbar()
{
    return kToolbar;
}

const SCommand* CCommandTable::Find(int nId)
{
    for (const SCommand& command : kCommands)
    {
        if (command.nId == nId)
            return &command;
    }
    return nullptr;
}
