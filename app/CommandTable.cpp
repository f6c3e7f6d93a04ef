// The command table of the main window.
#include "app/CommandTable.h"

#include <cstring>

#include "platform/CommandIds.h"

namespace
{
const char* const kFile = "&File";
const char* const kEdit = "&Modifica";
const char* const kView = "&Visualizza";
const char* const kCalc = "&Visualizza/Calcoli";
const char* const kZoom = "Zoom";
const char* const kHelp = "&?";

const std::vector<SCommand> kCommands = {
    {ID_FILE_NEW, kFile, "&Nuovo\tCtrl+N", "Ctrl+N", "document-new", "new.svg",
     "Crea un nuovo documento\nNuovo"},
    {ID_FILE_OPEN, kFile, "&Apri...\tCtrl+A", "Ctrl+O", "document-open", "open.svg",
     "Apre un documento esistente\nApri"},
    {ID_FILE_SAVE, kFile, "&Salva\tCtrl+S", "Ctrl+S", "document-save", "save.svg",
     "Salva il documento attivo\nSalva"},
    {ID_FILE_SAVE_AS, kFile, "Sa&lva con nome...", "", nullptr, nullptr,
     "Salva il documento attivo con un nuovo nome\nSalva con nome"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_EXPORT_LOADS_TXT, kFile, "Esporta Carichi su file TXT", "", nullptr, nullptr,
     "Esporta i dati relativi ai carichi su file TXT compatibile da Excel"},
    {ID_EXPORT_RESULTANT_TXT, kFile, "Esporta dettaglio risultante (TXT)", "", nullptr, nullptr,
     "Esporta le coppie (x,p(x)) in un file di testo tabulato compatibile anche con Excel"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_EXPORT_RESULTANT_CSV, kFile, "Esporta risultante per Excel (x, p(x)) (CSV) ", "", nullptr, nullptr,
     "Esporta le coppie X,P(x) per il calcolo delle sollecitazioni della trave nave"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_EXPORT_RESULTANT_DXF, kFile, "Esporta Dettaglio risultante (DXF)", "", nullptr, nullptr,
     "Esporta il grafico della risultante su file DXF"},
    {ID_EXPORT_DETAILED_DXF, kFile, "Esporta Particolareggiato (DXF)", "", nullptr, nullptr,
     "Esporta il grafico Particolareggiato su file DXF"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_IMPORT_OLD_FORMAT, kFile, "Importa da vecchio formato (*.p)", "", nullptr, nullptr,
     "Converte i file scritti con il vecchio formato \".p\""},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_FILE_PRINT, kFile, "Stam&pa...\tCtrl+P", "Ctrl+P", "document-print", "print.svg",
     "Stampa il documento attivo\nStampa"},
    {ID_FILE_PRINT_PREVIEW, kFile, "Antepri&ma di stampa", "", nullptr, nullptr,
     "Visualizza le pagine per intero\nAnteprima di stampa"},
    {ID_FILE_PRINT_SETUP, kFile, "Imposta s&tampante...", "", nullptr, nullptr,
     "Modifica le impostazioni relative alla stampante e alla stampa\nImposta stampante"},
    {0, kFile, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_APP_EXIT, kFile, "&Esci", "", nullptr, nullptr,
     "Esce dall'applicazione e chiede di salvare i documenti\nEsci"},
    {ID_EDIT_UNDO, kEdit, "Annulla", "Ctrl+Z; Alt+Backspace", nullptr, nullptr,
     "Annulla l'ultima modifica ai carichi\nAnnulla"},
    {ID_EDIT_REDO, kEdit, "Ripeti", "Ctrl+Y; Ctrl+Shift+Z", nullptr, nullptr,
     "Ripete la modifica annullata\nRipeti"},
    {0, kEdit, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_INSERT_ALL_LOADS, kEdit, "Inserisci TUTTI  i carichi di un altro file", "", nullptr, nullptr,
     "Inserisce tutti i carichi di un altro file con le stesse modalità del file di origine"},
    {ID_INSERT_EQUIVALENT_LOAD, kEdit, "Inserisci un carico EQUIVALENTE ricavato da un altro file pondera",
     "", nullptr, nullptr, "Importa un carico con le caratteristiche globali del complesso dei carichi"},
    {ID_VIEW_TOOLBAR, kView, "Barra degli st&rumenti", "", nullptr, nullptr,
     "Mostra o nasconde la barra degli strumenti\nMostra/nascondi barra degli strumenti"},
    {ID_VIEW_STATUS_BAR, kView, "Barra di st&ato", "", nullptr, nullptr,
     "Mostra o nasconde la barra di stato\nMostra/nascondi barra di stato"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_VIEW_LOADS, kView, "Elenco dei carichi", "", "view-list-details", "loads.svg",
     "Permette di aggiungere o modificare i carichi\nElenco dei carichi"},
    {ID_VIEW_DISCONTINUITIES, kView, "Esplorazione punti discontinuità", "", nullptr, nullptr, ""},
    {ID_VIEW_BONJEAN, kView, "Tavole del Bonjean", "", "x-office-spreadsheet", "bonjean.svg",
     "\nTavole del Bonjean"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_VIEW_RESULTS, kCalc, "Calcolo Risultante e Baricentro dei pesi", "", nullptr, nullptr, ""},
    {ID_VIEW_STRENGTH, kCalc, "Sollecitazioni della trave nave...", "", nullptr, nullptr,
     "Calcola taglio e momento flettente della nave in equilibrio sulla tavola di carena"},
    {ID_VIEW_HYDROSTATICS, kCalc, "Curve idrostatiche...", "", nullptr, nullptr,
     "Calcola le curve idrostatiche dalla tabella delle aree"},
    {ID_VIEW_CHECK, kCalc, "Verifica condizioni di carico...", "", nullptr, nullptr,
     "Verifica le condizioni di carico rispetto ai limiti ammissibili"},
    {ID_VIEW_GROUPS, kCalc, "Riepilogo per gruppi...", "", nullptr, nullptr,
     "Pesi e baricentri per gruppo di codice"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_VIEW_RESULTANT, kView, "Grafico risultante", "", nullptr, nullptr, ""},
    {ID_VIEW_DETAILED, kView, "Grafico particolareggiato", "", nullptr, nullptr, ""},
    {ID_VIEW_SINGLE_LOAD, kView, "Grafico carico isolato", "", nullptr, nullptr, ""},
    {ID_VIEW_LOAD_IN_WHOLE, kView, "Grafico con part. individuazione carichi", "", nullptr, nullptr,
     "Grafico con la possibilità di individuare un carico con il click del tasto sinistro del mouse"},
    {0, kView, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ID_VIEW_REDRAW, kView, "Risdisegna", "", "view-refresh", "redraw.svg",
     "Ridisegna il grafico corrente\nRidisegna"},
    {ID_ZOOM_OUT, kZoom, "Zoom Out", "", "zoom-out", "zoom-out.svg",
     "Ingrandisce la finestra di visualizzazione \n Zoom Out"},
    {ID_ZOOM_AUTO, kZoom, "Auto Zoom", "", "zoom-fit-best", "zoom-auto.svg",
     "Visualizza l'intera lunghezza della nave \n Auto Zoom"},
    {ID_APP_ABOUT, kHelp, "Infor&mazioni su Scafometro...", "", "help-about", "about.svg",
     "Visualizza le informazioni sul programma, il numero di versione e il copyright\nInformazioni su"},
    // Reached by shortcut or toolbar only; nothing handles cut, nor the panes.
    {ID_EDIT_COPY, nullptr, nullptr, "Ctrl+C; Ctrl+Ins", "edit-copy", "copy.svg",
     "Copia i carichi negli Appunti come tabella per Excel\nCopia"},
    {ID_EDIT_CUT, nullptr, nullptr, "Ctrl+X; Shift+Del", "edit-cut", "cut.svg",
     "Taglia la selezione e la inserisce negli Appunti\nTaglia"},
    {ID_EDIT_PASTE, nullptr, nullptr, "Ctrl+V; Shift+Ins", "edit-paste", "paste.svg",
     "Aggiunge i carichi della tabella negli Appunti\nIncolla"},
    {ID_NEXT_PANE, nullptr, nullptr, "F6", nullptr, nullptr,
     "Passa al riquadro successivo\nRiquadro successivo"},
    {ID_PREV_PANE, nullptr, nullptr, "Shift+F6", nullptr, nullptr,
     "Torna al riquadro precedente\nRiquadro precedente"},
};

const std::vector<int> kToolbar = {ID_FILE_NEW,    ID_FILE_OPEN,
                                   ID_FILE_SAVE,   0,
                                   ID_EDIT_COPY,   ID_EDIT_CUT,
                                   ID_EDIT_PASTE,  0,
                                   ID_FILE_PRINT,  0,
                                   ID_APP_ABOUT,   ID_ZOOM_OUT,
                                   ID_ZOOM_AUTO,   0,
                                   ID_VIEW_REDRAW, ID_VIEW_LOADS,
                                   ID_VIEW_BONJEAN};
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
