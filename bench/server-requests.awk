# Counts the Wine server requests that each start-up's main thread makes in the build and show
# phases of bench/phases.awk, from a trace taken with the same landmarks relayed and the server's
# own trace on (WINEDEBUG=+pid,+relay,+server,+loaddll). Unlike the times, the counts do not
# change with the load on the machine. The server writes its trace only when it starts with
# +server: stop the prefix's server first. Prints one line per start, in the order they ran:
#   requests name=<program> build=<requests> show=<requests>
# For figures that compare, give each program a server of its own and take its second start (the
# first one pays the prefix's first-start costs): measure.exe startup 1 <one program>.
/loaddll:build_module Loaded L".*\.exe" at .*: native/ {
  split($0, field, ":")
  if ($0 ~ /win64\\\\Duskfall\.exe|Duskfall64\.exe/) name[field[1]] = "duskfall64"
  if ($0 ~ /win32\\\\Duskfall\.exe|Duskfall32\.exe/) name[field[1]] = "duskfall32"
  if ($0 ~ /controls_floor64\.exe/) name[field[1]] = "floor64"
  if ($0 ~ /controls_floor32\.exe/) name[field[1]] = "floor32"
  next
}
/:Call comctl32\.InitCommonControlsEx/ {
  split($0, field, ":")
  thread = field[2]
  if (!(thread in process)) {
    phase[thread] = "build"
    process[thread] = field[1]
    order[++count] = thread
  }
  next
}
/:Call user32\.ShowWindow/ {
  split($0, field, ":")
  if (phase[field[2]] == "build") phase[field[2]] = "show"
  next
}
/:Call shell32\.Shell_NotifyIcon/ {
  split($0, field, ":")
  if (phase[field[2]] == "show") phase[field[2]] = "done"
  next
}
# A request, as the server traces it: "<thread>: <request>( ..."; its reply reads "<request>() =".
/^[0-9a-f]+: [a-z_]+\( / {
  split($0, field, ":")
  if (phase[field[1]] == "build" || phase[field[1]] == "show") ++requests[field[1], phase[field[1]]]
}
END {
  for (i = 1; i <= count; ++i) {
    thread = order[i]
    if (!(process[thread] in name)) continue
    printf "requests name=%s build=%d show=%d\n", name[process[thread]],
           requests[thread, "build"], requests[thread, "show"]
  }
}
