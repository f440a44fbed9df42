# The real program closed at one place and size reopens there; one stored off every screen comes
# back; one stored larger than the screen, or a first start on a small screen, fits the screen.
# Each run is a separate program under its own X server, sharing the data folder.
#   cmake -DPROBE=<probe> -DDIR=<this folder> -DSETTINGS=<start settings> -DOUT=<folder> -P run.cmake
function(probe_run_on screen driver)
    execute_process(COMMAND xvfb-run -a -s "-screen 0 ${screen}" env QT_QPA_PLATFORM=xcb
                            ${PROBE} --driver ${DIR}/${driver} --out ${OUT} ${ARGN}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${driver}: the probe ended with ${rc}")
    endif()
endfunction()
function(probe_run driver)
    probe_run_on(1280x1024x24 ${driver} ${ARGN})
endfunction()

probe_run(close.qml --settings ${SETTINGS})
probe_run(reopen.qml)
probe_run(offscreen.qml --settings ${DIR}/offscreen.txt)
probe_run(oversize.qml --settings ${DIR}/oversize.txt)
probe_run_on(1366x768x24 firststart.qml --settings ${SETTINGS})
