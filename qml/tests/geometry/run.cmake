# The real program closed at one place and size reopens there; one stored off every screen comes
# back. Each run is a separate program under its own X server, sharing the data folder.
#   cmake -DPROBE=<probe> -DDIR=<this folder> -DSETTINGS=<start settings> -DOUT=<folder> -P run.cmake
function(probe_run driver)
    execute_process(COMMAND xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb
                            ${PROBE} --driver ${DIR}/${driver} --out ${OUT} ${ARGN}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${driver}: the probe ended with ${rc}")
    endif()
endfunction()

probe_run(close.qml --settings ${SETTINGS})
probe_run(reopen.qml)
probe_run(offscreen.qml --settings ${DIR}/offscreen.txt)
