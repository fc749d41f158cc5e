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

const std::vector<ResourceEntry>& ResourceCatalogue() {
  // The option labels' keys, kept for the life of the program: the table
  // points into them.
  static const std::vector<std::string> optionKeys = [] {
    std::vector<std::string> keys;
    for (const OptionRow& row : kOptionRows) keys.push_back(DialogLabelKey(Res::kDlgOptions, row.controlId));
    return keys;
  }();
  static const std::vector<ResourceEntry> table = [] {
    std::vector<ResourceEntry> all = {
      // Menu 129, shown while a document is open.
      {"menu129.popup0", {"&File", "文件(&F)"}},
      {"menu129.57600", {"&New\tCtrl+N", "新建(&N)\tCtrl+N"}},
      {"menu129.57601", {"&Open...\tCtrl+O", "打开(&O)...\tCtrl+O"}},
      {"menu129.57602", {"&Close", "关闭(&C)"}},
      {"menu129.57603", {"&Save\tCtrl+S", "保存(&S)\tCtrl+S"}},
      {"menu129.57604", {"Save &As...", "另存为(&A)..."}},
      {"menu129.57607", {"&Print...\tCtrl+P", "打印(&P)...\tCtrl+P"}},
      {"menu129.57609", {"Print Pre&view", "打印预览(&V)"}},
      {"menu129.57606", {"P&rint Setup...", "打印设置(&R)..."}},
      {"menu129.57665", {"E&xit", "退出(&X)"}},
      {"menu129.popup1", {"&Edit", "编辑(&E)"}},
      {"menu129.32786", {"&Product Information", "类型设置(&P)"}},
      {"menu129.32787", {"&Channel Information", "信道信息(&C)"}},
      {"menu129.32788", {"&Optional Features", "可选功能(&O)"}},
      {"menu129.32781", {"Power Adjust", "功率调整"}},
      {"menu129.32779", {"Parameter Adjust", "参数调整"}},
      {"menu129.popup2", {"&Program", "写频(&P)"}},
      {"menu129.32773", {"&Read    Ctrl+R", "读频(&R)    Ctrl+R"}},
      {"menu129.32774", {"&Write   Ctrl+W", "写频(&W)   Ctrl+W"}},
      {"menu129.popup3", {"&View", "查看(&V)"}},
      {"menu129.59392", {"&Toolbar", "工具栏(&T)"}},
      {"menu129.59393", {"&Status Bar", "状态栏(&S)"}},
      {"menu129.32780", {"&Control Bar", "导航栏(&C)"}},
      {"menu129.popup4", {"&Setup", "设置(&S)"}},
      {"menu129.32777", {"&Com Setup", "端口设置(&C)"}},
      {"menu129.32799", {"&Language", "语言(&L)"}},
      {"menu129.popup5", {"&Help", "帮助(&H)"}},
      {"menu129.57664", {"&About", "关于(&A)"}},
      // Channel editing: the channel lists, undo, the clipboard and the rows.
      {"menu129.32825", {"&Import Channels...", "导入信道(&I)..."}},
      {"menu129.32826", {"&Export Channels...", "导出信道(&E)..."}},
      {"menu129.57643", {"&Undo\tCtrl+Z", "撤消(&U)\tCtrl+Z"}},
      {"menu129.57644", {"&Redo\tCtrl+Y", "重做(&R)\tCtrl+Y"}},
      {"menu129.57635", {"Cu&t\tCtrl+X", "剪切(&T)\tCtrl+X"}},
      {"menu129.57634", {"Cop&y\tCtrl+C", "复制(&Y)\tCtrl+C"}},
      {"menu129.57637", {"Pa&ste\tCtrl+V", "粘贴(&S)\tCtrl+V"}},
      {"menu129.32820", {"&Insert Channel", "插入信道(&I)"}},
      {"menu129.32821", {"&Delete Channel", "删除信道(&D)"}},
      {"menu129.32822", {"&Move Channel Up", "信道上移(&M)"}},
      {"menu129.32823", {"Move Channel Do&wn", "信道下移(&W)"}},
      {"menu129.32824", {"C&lear Channel", "清除信道(&L)"}},
      // Menu 128, shown while no document is open.
      {"menu128.popup0", {"&File", "文件(&F)"}},
      {"menu128.57600", {"&New\tCtrl+N", "新建(&N)\tCtrl+N"}},
      {"menu128.57601", {"&Open...\tCtrl+O", "打开(&O)...\tCtrl+O"}},
      {"menu128.57606", {"P&rint Setup...", "打印设置(&R)..."}},
      {"menu128.57665", {"E&xit", "退出(&X)"}},
      {"menu128.popup1", {"&View", "查看(&V)"}},
      {"menu128.59392", {"&Toolbar", "工具栏(&T)"}},
      {"menu128.59393", {"&Status Bar", "状态栏(&S)"}},
      {"menu128.popup2", {"&Help", "帮助(&H)"}},
      {"menu128.57664", {"&About", "关于(&A)"}},
      // Frame and document strings.
      {"string128", {"Program", "写频软件"}},
      {"string129",
       {"\n\n\n*.dat\n.dat\nProgram.Document\nProgram Document", "\n\n\n*.dat\n.dat\nProgram.Document\n写频数据文件"}},
      {"string57344", {"Program", "写频软件"}},
      {"string57345", {"Ready", "就绪"}},
      // Command prompts: status bar text, then the tool tip.
      {"string57600",
       {"Clear the channel data and start from the defaults\nNew", "清除信道数据，从默认数据重新开始\n新建"}},
      {"string57601", {"Open a data file\nOpen", "打开数据文件\n打开"}},
      {"string57602", {"Hide the channel window\nClose", "隐藏信道窗口\n关闭"}},
      {"string57603", {"Save the data to a file\nSave", "把数据保存到文件\n保存"}},
      {"string57604", {"Save the data to a file under a new name\nSave As", "把数据另存为新的文件\n另存为"}},
      {"string57606", {"Choose the printer and its options\nPrint Setup", "选择打印机及打印选项\n打印设置"}},
      {"string57607", {"Print the channels and the optional features\nPrint", "打印信道和可选功能\n打印"}},
      {"string57609", {"Show the printed pages on screen\nPrint Preview", "在屏幕上显示打印页面\n打印预览"}},
      {"string57665", {"Quit the program\nExit", "退出程序\n退出"}},
      {"string57664", {"Show the program's version and copyright\nAbout", "显示程序的版本和版权信息\n关于"}},
      {"string57670", {"Show the help\nHelp", "显示帮助\n帮助"}},
      {"string57680", {"Switch to the next window\nNext Window", "切换到下一个窗口\n下一窗口"}},
      {"string57681", {"Switch to the previous window\nPrevious Window", "切换到上一个窗口\n上一窗口"}},
      {"string59392", {"Show or hide the tool bar\nToolbar", "显示或隐藏工具栏\n工具栏"}},
      {"string59393", {"Show or hide the status bar\nStatus Bar", "显示或隐藏状态栏\n状态栏"}},
      {"string32780", {"Show or hide the navigation bar\nControl Bar", "显示或隐藏导航栏\n导航栏"}},
      {"string32773", {"Read Data From Radio\nRead", "从电台读取数据\n读频"}},
      {"string32774", {"Write Data To Radio\nWrite", "把数据写入电台\n写频"}},
      {"string32786",
       {"Choose the radio model and its frequency band\nProduct Information", "选择电台型号和频段\n类型设置"}},
      {"string32787", {"Show the channel window\nChannel Information", "显示信道窗口\n信道信息"}},
      {"string32788", {"Edit the radio-wide options\nOptional Features", "编辑电台的可选功能\n可选功能"}},
      {"string32781", {"Adjust the transmit power table\nPower Adjust", "调整发射功率表\n功率调整"}},
      {"string32779",
       {"Adjust the squelch, receiver and transmitter parameters\nParameter Adjust",
        "调整静噪、接收和发射参数\n参数调整"}},
      {"string32777", {"Choose the serial port of the programming cable\nCom Setup", "选择写频线所接的串口\n端口设置"}},
      {"string32799", {"Choose the language of the program\nLanguage", "选择程序的界面语言\n语言"}},
      // Safe programming.
      {"menu129.32940", {"Open &Backup...", "打开备份(&B)..."}},
      {"menu129.32941", {"Compare &With...", "与文件比较(&W)..."}},
      {"menu129.32942", {"&Verify After Write", "写后校验(&V)"}},
      {"menu129.32943", {"Serial &Trace", "串口跟踪(&T)"}},
      {"menu128.32940", {"Open &Backup...", "打开备份(&B)..."}},
      {"string32940",
       {"Open a backup of an image read from a radio\nOpen Backup", "打开从电台读取数据时自动保存的备份\n打开备份"}},
      {"string32941",
       {"List what differs between the open document and a data file\nCompare With",
        "列出当前文档与数据文件的不同之处\n与文件比较"}},
      {"string32942",
       {"Read the radio back after each Write and compare\nVerify After Write",
        "每次写入后读回电台数据并比较\n写后校验"}},
      {"string32943",
       {"Keep the serial line's bytes of the last transfer in a file\nSerial Trace",
        "将最近一次传输的串口收发数据保存到文件\n串口跟踪"}},
      {"string32825",
       {"Fill the channel table from a CSV channel list\nImport Channels", "从 CSV 信道列表填入信道表\n导入信道"}},
      {"string32826",
       {"Save the channels in use as a CSV channel list\nExport Channels",
        "将使用中的信道保存为 CSV 信道列表\n导出信道"}},
      {"string57643", {"Undo the last change to the channel table\nUndo", "撤消对信道表的上一次修改\n撤消"}},
      {"string57644", {"Redo the change undone last\nRedo", "重做上一次撤消的修改\n重做"}},
      {"string57635", {"Cut the selected cells to the clipboard\nCut", "将选中的单元格剪切到剪贴板\n剪切"}},
      {"string57634", {"Copy the selected cells to the clipboard\nCopy", "将选中的单元格复制到剪贴板\n复制"}},
      {"string57637", {"Paste the clipboard into the channel table\nPaste", "将剪贴板内容粘贴到信道表\n粘贴"}},
      {"string32820",
       {"Insert an empty channel; the channels below move down\nInsert Channel",
        "插入一个空信道，下面的信道下移\n插入信道"}},
      {"string32821",
       {"Delete the channel; the channels below move up\nDelete Channel", "删除信道，下面的信道上移\n删除信道"}},
      {"string32822", {"Move the channel up one row\nMove Channel Up", "将信道上移一行\n信道上移"}},
      {"string32823", {"Move the channel down one row\nMove Channel Down", "将信道下移一行\n信道下移"}},
      {"string32824", {"Clear the channel\nClear Channel", "清除信道\n清除信道"}},
      {"string57616", {"Open this data file\nRecent File", "打开此数据文件\n最近的文件"}},
      {"string57617", {"Open this data file\nRecent File", "打开此数据文件\n最近的文件"}},
      {"string57618", {"Open this data file\nRecent File", "打开此数据文件\n最近的文件"}},
      {"string57619", {"Open this data file\nRecent File", "打开此数据文件\n最近的文件"}},
      // Status bar indicators.
      {"string59137", {"CAP", "大写"}},
      {"string59138", {"NUM", "数字"}},
      {"string59139", {"SCRL", "滚动"}},
      // Messages.
      {"string61448", {"Out of range,please input again.", "超出范围，请重新输入。"}},
      {"string61452", {"All data will be Cleared!", "所有数据将被清除！"}},
      // The core's text: programcli shows it too.
      {"string61453", {PortOpenFailedMessage(Language::English), PortOpenFailedMessage(Language::Chinese)}},
      {"string61456",
       {"Error data Value, please input according the step value(6.25K/5k).",
        "数据错误，请按步进值（6.25K/5K）输入。"}},
      {"string61458", {"Caution", "注意"}},
      // About box (its caption and lines come from "Program.ini").
      {"dialog100.1", {"OK", "确定"}},
      // Transfer progress.
      {"dialog131", {"Process", "进度"}},
      {"dialog131.1", {"OK", "确定"}},
      {"dialog131.2", {"Cancel", "取消"}},
      // Optional features.
      {"dialog132", {"Optional Features", "可选功能"}},
      {"dialog132.1", {"OK", "确定"}},
      {"dialog132.2", {"Cancel", "取消"}},
      // Language.
      {"dialog134", {"Language", "语言"}},
      {"dialog134.1006", {"English", "英文"}},
      {"dialog134.1007", {"Chinese", "中文"}},
      {"dialog134.1", {"OK", "确定"}},
      {"dialog134.2", {"Cancel", "取消"}},
      // Product information.
      {"dialog136", {"Product Information", "类型设置"}},
      {"dialog136.group1", {"Setting", "设置"}},
      {"dialog136.1013.label", {"Type", "型号"}},
      {"dialog136.1014.label", {"Frequency", "频段"}},
      {"dialog136.1", {"OK", "确定"}},
      {"dialog136.2", {"Cancel", "取消"}},
      // Power adjustment.
      {"dialog138", {"Power Adjustment", "功率调整"}},
      {"dialog138.1", {"OK", "确定"}},
      {"dialog138.2", {"Cancel", "取消"}},
      {"dialog138.1006", {"Read", "读取"}},
      {"dialog138.1007", {"Write", "写入"}},
      // Parameter adjustment.
      {"dialog139", {"Param Adjust", "参数调整"}},
      {"dialog139.group1", {"SQL", "静噪"}},
      {"dialog139.group2", {"Rx", "接收"}},
      {"dialog139.group3", {"Tx", "发射"}},
      {"dialog139.1008.label", {"SQL close threshold", "静噪关闭门限"}},
      {"dialog139.1009.label", {"Narrow SQL threshold", "窄带静噪门限"}},
      {"dialog139.1014.label", {"MIC1 Gain", "MIC1 增益"}},
      {"dialog139.1023.label", {"MIC2 Gain", "MIC2 增益"}},
      {"dialog139.1024.label", {"MIC3 Gain", "MIC3 增益"}},
      {"dialog139.1018.label", {"Max Deviation", "最大频偏"}},
      {"dialog139.1019.label", {"Ctcss Deviation", "CTCSS 频偏"}},
      {"dialog139.1022.label", {"Dcs Deviation", "DCS 频偏"}},
      {"dialog139.1", {"OK", "确定"}},
      {"dialog139.2", {"Cancel", "取消"}},
      {"dialog139.1006", {"Read", "读取"}},
      {"dialog139.1007", {"Write", "写入"}},
      // Port setting.
      {"dialog144", {"Port Setting", "端口设置"}},
      {"dialog144.group1", {"Port", "端口"}},
      {"dialog144.1", {"OK", "确定"}},
      {"dialog144.2", {"Cancel", "取消"}},
      // Service password.
      {"dialog181", {"Password", "密码"}},
      {"dialog181.1027.label", {"Password", "密码"}},
      {"dialog181.1", {"OK", "确定"}},
      {"dialog181.2", {"Cancel", "取消"}},
    };
    // The Optional Features lists' labels are the options' own.
    for (std::size_t i = 0; i < optionKeys.size(); ++i) all.push_back({optionKeys[i].c_str(), kOptionRows[i].label});
    return all;
  }();
  return table;
}

const LangText* ResourceCatalogueText(const std::string& key) {
  static const std::unordered_map<std::string, const LangText*> index = [] {
    std::unordered_map<std::string, const LangText*> map;
    for (const ResourceEntry& entry : ResourceCatalogue()) map.emplace(entry.key, &entry.text);
    return map;
  }();
  const auto found = index.find(key);
  return found == index.end() ? nullptr : found->second;
}

const char* EnglishResourceText(const std::string& key) {
  const LangText* text = ResourceCatalogueText(key);
  return text ? (*text)(Language::English) : nullptr;
}

std::string PromptStatusText(const std::string& prompt) { return prompt.substr(0, prompt.find('\n')); }

std::string PromptToolTip(const std::string& prompt) {
  const auto newline = prompt.find('\n');
  return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}
