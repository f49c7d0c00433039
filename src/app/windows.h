#pragma once
// Creates the long-lived windows in their start-up order and wires the
// commands of the main window to them.
class TForm_rk_main;
class TForm_rk_help;
class TForm_rk_lotto_record;
class Trpt;
class TForm_tovrin;
class TForm_KDP_data;
class TForm_dl_main;
class TForm_rk_FtpServerIP;
class TForm_Download_TxT_from_http;

struct AppWindows {
  TForm_rk_main* main = nullptr;
  TForm_rk_lotto_record* record = nullptr;
  TForm_rk_help* help = nullptr;
  Trpt* rpt = nullptr;
  TForm_tovrin* tovrin = nullptr;
  TForm_KDP_data* kdpData = nullptr;
  TForm_dl_main* dlMain = nullptr;
  TForm_rk_FtpServerIP* ftpServerIp = nullptr;
  TForm_Download_TxT_from_http* dlTxt = nullptr;
};

// The main window owns every other window; deleting it deletes them all.
AppWindows createAppWindows();
