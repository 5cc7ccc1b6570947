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

# Rolls, choice and kana shorthand (the dice differ from run to run).
set(two_dice "\\[[1-6],[1-6]\\](\\^B\\((１|６)ゾロ\\)\\^B)?")
expect_reply("2d6+3>=10" "^taro -> 2d6\\+3 = ${two_dice}\\+3 = [0-9]+ >= 10\\((成功|失敗)\\)$")
expect_reply("r20@10" "^taro -> Rate20@10 = \\[[1-6],[1-6]")
expect_reply("3r10" "^taro -> 3r10 = \\[[0-9,]+\\]")
expect_reply("choice[赤,青,黄]" "^taro -> \\[(1\\]赤|2\\]青|3\\]黄)$")
expect_reply("# 。かのはとさ" "^taro -> 2d6\\+3 = ${two_dice}\\+3 = [0-9]+$")

# A registered party's encounter, and the character name the host stores.
expect_reply("#遭遇表登録 3 4" "^taro -> 遭遇表を再定義しました。現在の設定：\\[ミストキャッスル\\]平均レベル 3 / 4人向け$")
expect_reply("#蛮族遭遇表" "^taro -> ミストキャッスル 蛮族遭遇表Lv\\.3 : ")
execute_process(COMMAND "${CHAT}" --nick taro_2 -e "/name アリス" -e "#1+2" OUTPUT_VARIABLE output)
if(NOT output MATCHES "^アリス -> 1\\+2 = 3\n$")
  message(FATAL_ERROR "/name then #1+2 printed '${output}'")
endif()
file(REMOVE "${folder}/RA2ZOV.ini" "${folder}/Vellum.ini")

# Counters and links end to end: a default, two players linked, a link moved, the reset.
execute_process(COMMAND "${CHAT}" --channel "#links" -e "/nick taro" -e "/name アリス" -e "#cdef 10" -e "#cput"
                        -e "#link" -e "/nick hanako" -e "#link" -e "#CNT 3" -e "#link" -e "/nick jiro"
                        -e "#move taro" -e "#CNT -0.5" -e "#link" -e "#move nobody" -e "#link_start" -e "#link"
                OUTPUT_VARIABLE output)
set(expected "アリス -> カウンタのデフォルト値を[10]にセットしました。
アリス -> カウンタをデフォルト値( 10 )に定義しました。
アリス -> アリス(10) 合計：10
hanako -> アリス(10) 合計：10
hanako -> 3 （カウンタ：0→3）
hanako -> アリス(10), HANAKO(3) 合計：13
jiro -> HANAKO(3), JIRO(10) 合計：13
jiro -> -1 （カウンタ：10→9）
jiro -> HANAKO(3), JIRO(9) 合計：12
jiro -> キャラクター[nobody]は登録されていません。
jiro -> リンクと全てのカウンタを初期化しました。
jiro -> [0]JIRO
")
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "the counter and link session printed:\n${output}")
endif()
file(REMOVE "${folder}/RA2ZOV.ini" "${folder}/Vellum.ini")
