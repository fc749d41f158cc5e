#include "core/shell/ResourceTable.h"

#include <unordered_map>

#include "core/link/TransferTexts.h"
#include "core/settings/OptionDefinitions.h"
#include "core/shell/ResourceIds.h"

std::string MenuPopupKey(int menu, int position) {
  return "menu" + std::to_string(menu) + ".popup" + std::to_string(position);
}
std::string MenuItemKey(int menu, int command) { return "menu" + std::to_string(menu) + "." + std::to_string(command); }
std::string StringKey(int id) { return "string" + std::to_string(id); }
std::string DialogCaptionKey(int dialog) { return "dialog" + std::to_string(dialog); }
std::string DialogControlKey(int dialog, int control) {
  return DialogCaptionKey(dialog) + "." + std::to_string(control);
}
std::string DialogLabelKey(int dialog, int control) { return DialogControlKey(dialog, control) + ".label"; }
std::string DialogGroupKey(int dialog, int n) { return DialogCaptionKey(dialog) + ".group" + std::to_string(n); }
std::string DialogItemKey(int dialog, int control, int index) {
  return DialogControlKey(dialog, control) + ".item" + std::to_string(index);
}

const std::vector<CoreResource>& CoreResources() {
  // The option labels' keys, kept for the life of the program: the table
  // points into them.
  static const std::vector<std::string> optionKeys = [] {
    std::vector<std::string> keys;
    for (const OptionRow& row : kOptionRows) keys.push_back(DialogLabelKey(Res::kDlgOptions, row.controlId));
    return keys;
  }();
  static const std::vector<CoreResource> table = [] {
    std::vector<CoreResource> all = {
        {"string61453", {PortOpenFailedMessage(Language::English), PortOpenFailedMessage(Language::Chinese)}},
    };
    for (std::size_t i = 0; i < optionKeys.size(); ++i) all.push_back({optionKeys[i].c_str(), kOptionRows[i].label});
    return all;
  }();
  return table;
}

const std::vector<ResourceEntry>& EnglishResources() {
  static const std::vector<ResourceEntry> table = {
      // Menu 129, shown while a document is open.
      {"menu129.popup0", "&File"},
      {"menu129.57600", "&New\tCtrl+N"},
      {"menu129.57601", "&Open...\tCtrl+O"},
      {"menu129.57602", "&Close"},
      {"menu129.57603", "&Save\tCtrl+S"},
      {"menu129.57604", "Save &As..."},
      {"menu129.57607", "&Print...\tCtrl+P"},
      {"menu129.57609", "Print Pre&view"},
      {"menu129.57606", "P&rint Setup..."},
      {"menu129.57665", "E&xit"},
      {"menu129.popup1", "&Edit"},
      {"menu129.32786", "&Product Information"},
      {"menu129.32787", "&Channel Information"},
      {"menu129.32788", "&Optional Features"},
      {"menu129.32781", "Power Adjust"},
      {"menu129.32779", "Parameter Adjust"},
      {"menu129.popup2", "&Program"},
      {"menu129.32773", "&Read    Ctrl+R"},
      {"menu129.32774", "&Write   Ctrl+W"},
      {"menu129.popup3", "&View"},
      {"menu129.59392", "&Toolbar"},
      {"menu129.59393", "&Status Bar"},
      {"menu129.32780", "&Control Bar"},
      {"menu129.popup4", "&Setup"},
      {"menu129.32777", "&Com Setup"},
      {"menu129.32799", "&Language"},
      {"menu129.popup5", "&Help"},
      {"menu129.57664", "&About"},
      // Channel editing: the channel lists, undo, the clipboard and the rows.
      {"menu129.32825", "&Import Channels..."},
      {"menu129.32826", "&Export Channels..."},
      {"menu129.57643", "&Undo\tCtrl+Z"},
      {"menu129.57644", "&Redo\tCtrl+Y"},
      {"menu129.57635", "Cu&t\tCtrl+X"},
      {"menu129.57634", "Cop&y\tCtrl+C"},
      {"menu129.57637", "Pa&ste\tCtrl+V"},
      {"menu129.32820", "&Insert Channel"},
      {"menu129.32821", "&Delete Channel"},
      {"menu129.32822", "&Move Channel Up"},
      {"menu129.32823", "Move Channel Do&wn"},
      {"menu129.32824", "C&lear Channel"},
      // Menu 128, shown while no document is open.
      {"menu128.popup0", "&File"},
      {"menu128.57600", "&New\tCtrl+N"},
      {"menu128.57601", "&Open...\tCtrl+O"},
      {"menu128.57606", "P&rint Setup..."},
      {"menu128.57665", "E&xit"},
      {"menu128.popup1", "&View"},
      {"menu128.59392", "&Toolbar"},
      {"menu128.59393", "&Status Bar"},
      {"menu128.popup2", "&Help"},
      {"menu128.57664", "&About"},
      // Frame and document strings.
      {"string128", "Program"},
      {"string129", "\n\n\n*.dat\n.dat\nProgram.Document\nProgram Document"},
      {"string57344", "Program"},
      {"string57345", "Ready"},
      // Command prompts: status bar text, then the tool tip.
      {"string57600", "Clear the channel data and start from the defaults\nNew"},
      {"string57601", "Open a data file\nOpen"},
      {"string57602", "Hide the channel window\nClose"},
      {"string57603", "Save the data to a file\nSave"},
      {"string57604", "Save the data to a file under a new name\nSave As"},
      {"string57606", "Choose the printer and its options\nPrint Setup"},
      {"string57607", "Print the channels and the optional features\nPrint"},
      {"string57609", "Show the printed pages on screen\nPrint Preview"},
      {"string57665", "Quit the program\nExit"},
      {"string57664", "Show the program's version and copyright\nAbout"},
      {"string57670", "Show the help\nHelp"},
      {"string57680", "Switch to the next window\nNext Window"},
      {"string57681", "Switch to the previous window\nPrevious Window"},
      {"string59392", "Show or hide the tool bar\nToolbar"},
      {"string59393", "Show or hide the status bar\nStatus Bar"},
      {"string32780", "Show or hide the navigation bar\nControl Bar"},
      {"string32773", "Read Data From Radio\nRead"},
      {"string32774", "Write Data To Radio\nWrite"},
      {"string32786", "Choose the radio model and its frequency band\nProduct Information"},
      {"string32787", "Show the channel window\nChannel Information"},
      {"string32788", "Edit the radio-wide options\nOptional Features"},
      {"string32781", "Adjust the transmit power table\nPower Adjust"},
      {"string32779", "Adjust the squelch, receiver and transmitter parameters\nParameter Adjust"},
      {"string32777", "Choose the serial port of the programming cable\nCom Setup"},
      {"string32799", "Choose the language of the program\nLanguage"},
      // Safe programming.
      {"menu129.32940", "Open &Backup..."},
      {"menu129.32941", "Compare &With..."},
      {"menu129.32942", "&Verify After Write"},
      {"menu129.32943", "Serial &Trace"},
      {"menu128.32940", "Open &Backup..."},
      {"string32940", "Open a backup of an image read from a radio\nOpen Backup"},
      {"string32941", "List what differs between the open document and a data file\nCompare With"},
      {"string32942", "Read the radio back after each Write and compare\nVerify After Write"},
      {"string32943", "Keep the serial line's bytes of the last transfer in a file\nSerial Trace"},
      {"string32825", "Fill the channel table from a CSV channel list\nImport Channels"},
      {"string32826", "Save the channels in use as a CSV channel list\nExport Channels"},
      {"string57643", "Undo the last change to the channel table\nUndo"},
      {"string57644", "Redo the change undone last\nRedo"},
      {"string57635", "Cut the selected cells to the clipboard\nCut"},
      {"string57634", "Copy the selected cells to the clipboard\nCopy"},
      {"string57637", "Paste the clipboard into the channel table\nPaste"},
      {"string32820", "Insert an empty channel; the channels below move down\nInsert Channel"},
      {"string32821", "Delete the channel; the channels below move up\nDelete Channel"},
      {"string32822", "Move the channel up one row\nMove Channel Up"},
      {"string32823", "Move the channel down one row\nMove Channel Down"},
      {"string32824", "Clear the channel\nClear Channel"},
      {"string57616", "Open this data file\nRecent File"},
      {"string57617", "Open this data file\nRecent File"},
      {"string57618", "Open this data file\nRecent File"},
      {"string57619", "Open this data file\nRecent File"},
      // Status bar indicators.
      {"string59137", "CAP"},
      {"string59138", "NUM"},
      {"string59139", "SCRL"},
      // Messages.
      {"string61448", "Out of range,please input again."},
      {"string61452", "All data will be Cleared!"},
      {"string61456", "Error data Value, please input according the step value(6.25K/5k)."},
      {"string61458", "Caution"},
      // About box (its caption and lines come from "Program.ini").
      {"dialog100.1", "OK"},
      // Transfer progress.
      {"dialog131", "Process"},
      {"dialog131.1", "OK"},
      {"dialog131.2", "Cancel"},
      // Optional features.
      {"dialog132", "Optional Features"},
      // The lists' labels are the options' own (CoreResources).
      {"dialog132.1", "OK"},
      {"dialog132.2", "Cancel"},
      // Language.
      {"dialog134", "Language"},
      {"dialog134.1006", "English"},
      {"dialog134.1007", "Chinese"},
      {"dialog134.1", "OK"},
      {"dialog134.2", "Cancel"},
      // Product information.
      {"dialog136", "Product Information"},
      {"dialog136.group1", "Setting"},
      {"dialog136.1013.label", "Type"},
      {"dialog136.1014.label", "Frequency"},
      {"dialog136.1", "OK"},
      {"dialog136.2", "Cancel"},
      // Power adjustment.
      {"dialog138", "Power Adjustment"},
      {"dialog138.1", "OK"},
      {"dialog138.2", "Cancel"},
      {"dialog138.1006", "Read"},
      {"dialog138.1007", "Write"},
      // Parameter adjustment.
      {"dialog139", "Param Adjust"},
      {"dialog139.group1", "SQL"},
      {"dialog139.group2", "Rx"},
      {"dialog139.group3", "Tx"},
      {"dialog139.1008.label", "SQL close threshold"},
      {"dialog139.1009.label", "Narrow SQL threshold"},
      {"dialog139.1014.label", "MIC1 Gain"},
      {"dialog139.1023.label", "MIC2 Gain"},
      {"dialog139.1024.label", "MIC3 Gain"},
      {"dialog139.1018.label", "Max Deviation"},
      {"dialog139.1019.label", "Ctcss Deviation"},
      {"dialog139.1022.label", "Dcs Deviation"},
      {"dialog139.1", "OK"},
      {"dialog139.2", "Cancel"},
      {"dialog139.1006", "Read"},
      {"dialog139.1007", "Write"},
      // Port setting.
      {"dialog144", "Port Setting"},
      {"dialog144.group1", "Port"},
      {"dialog144.1", "OK"},
      {"dialog144.2", "Cancel"},
      // Service password.
      {"dialog181", "Password"},
      {"dialog181.1027.label", "Password"},
      {"dialog181.1", "OK"},
      {"dialog181.2", "Cancel"},
  };
  // And the texts the core owns (the port message, the option labels).
  static const std::vector<ResourceEntry> withCore = [] {
    std::vector<ResourceEntry> all = table;
    for (const CoreResource& core : CoreResources()) all.push_back({core.key, core.text(Language::English)});
    return all;
  }();
  return withCore;
}

const char* EnglishResourceText(const std::string& key) {
  static const std::unordered_map<std::string, const char*> index = [] {
    std::unordered_map<std::string, const char*> map;
    for (const ResourceEntry& entry : EnglishResources()) map.emplace(entry.key, entry.english);
    return map;
  }();
  const auto found = index.find(key);
  return found == index.end() ? nullptr : found->second;
}

std::string PromptStatusText(const std::string& prompt) { return prompt.substr(0, prompt.find('\n')); }

std::string PromptToolTip(const std::string& prompt) {
  const auto newline = prompt.find('\n');
  return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}
