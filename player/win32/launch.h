// Running a button's command: the launch plan of the player's logic carried
// out with the shell, the click sound, the messages, menu switches, and the
// button's menu action (wait for the program, minimise, or exit).
#pragma once

class TfrmMenuCls;

// Runs object n's command. Launches are strictly one at a time: a launch
// requested while another runs (from a handler inside it) is turned away.
void LaunchButton(int n, TfrmMenuCls& menu);

// True while a launch runs.
bool LaunchBusy();
