# Splits each start-up in a Wine trace (WINEDEBUG=+timestamp,+pid,+relay,+loaddll, with only the
# landmarks below relayed) into phases, for scripts/bench. Prints one line per start:
#   phases name=<program> loader=<ms> build=<ms> show=<ms> tray=<ms> rest=<ms> total=<ms>
# loader: from the process's first traced moment until its code calls InitCommonControlsEx (the
# DLLs loaded and initialised); build: until the first ShowWindow (the window and its controls
# made); show: until the tray icon is added (shown and painted); tray: the Shell_NotifyIcon call;
# rest: until the first GetMessageW (the list filled, the settings read: start-up done).
{
  split($1, field, ":")
  time = field[1]
  pid = field[2]
  if (!(pid in begin)) {
    begin[pid] = time
    order[++count] = pid
  }
  if ($0 ~ /loaddll:build_module Loaded L".*\.exe" at .*: native/) {
    if ($0 ~ /win64\\\\Duskfall\.exe/) name[pid] = "duskfall64"
    if ($0 ~ /win32\\\\Duskfall\.exe/) name[pid] = "duskfall32"
    if ($0 ~ /controls_floor64\.exe/) name[pid] = "floor64"
    if ($0 ~ /controls_floor32\.exe/) name[pid] = "floor32"
  }
  if ($0 ~ /:Call comctl32\.InitCommonControlsEx/ && !(pid in entry)) entry[pid] = time
  if ($0 ~ /:Call user32\.ShowWindow/ && !(pid in shown)) shown[pid] = time
  if ($0 ~ /:Call shell32\.Shell_NotifyIcon/ && !(pid in tray)) tray[pid] = time
  if ($0 ~ /:Ret  shell32\.Shell_NotifyIcon/ && !(pid in trayDone)) trayDone[pid] = time
  if ($0 ~ /:Call user32\.GetMessageW/ && !(pid in idle)) idle[pid] = time
}
END {
  for (i = 1; i <= count; ++i) {
    pid = order[i]
    if (!(pid in name) || !(pid in idle) || !(pid in trayDone)) continue
    printf "phases name=%s loader=%.0f build=%.0f show=%.0f tray=%.0f rest=%.0f total=%.0f\n",
           name[pid], (entry[pid] - begin[pid]) * 1000, (shown[pid] - entry[pid]) * 1000,
           (tray[pid] - shown[pid]) * 1000, (trayDone[pid] - tray[pid]) * 1000,
           (idle[pid] - trayDone[pid]) * 1000, (idle[pid] - begin[pid]) * 1000
  }
}
