# Drives zr2chat -e like a user would and checks what it prints.
get_filename_component(folder "${CHAT}" DIRECTORY)
file(REMOVE "${folder}/RA2ZOV.ini" "${folder}/Vellum.ini")

function(expect_reply line expected)
  execute_process(COMMAND "${CHAT}" --nick taro --channel "#console" -e "${line}" ${ARGN}
                  OUTPUT_VARIABLE output RESULT_VARIABLE result)
  string(STRIP "${output}" output)
  if(NOT result EQUAL 0 OR NOT output MATCHES "${expected}")
    message(FATAL_ERROR "zr2chat -e '${line}' printed '${output}' (exit ${result}); expected '${expected}'")
  endif()
endfunction()

expect_reply("#ver" "^RA2ZOV ver.3 モード一覧\\(現在：#console = ゼファーレルム2.0\\)\n\\[\\(設定なし\\)\\]\\[zr2\\]")
expect_reply("bot !dice_off" "^#consoleでのダイスボットをOFFにしました。$")
expect_reply("#ver" "^$")
expect_reply("bot !dice_on" "^NOTICE #console :#consoleでのダイスボットをONにしました。$" --raw)
file(REMOVE "${folder}/RA2ZOV.ini" "${folder}/Vellum.ini")
