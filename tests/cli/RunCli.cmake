# Runs CLI with ARGS ("|"-separated) and checks the exit code and, when given, that the
# standard output and error match EXPECT_STDOUT and EXPECT_STDERR.
# EMULATOR ("|"-separated, may be empty) starts CLI where the build host cannot (Wine).
string(REPLACE "|" ";" args "${ARGS}")
string(REPLACE "|" ";" emulator "${EMULATOR}")
execute_process(COMMAND ${emulator} ${CLI} ${args}
    RESULT_VARIABLE code
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT code STREQUAL EXPECT_CODE)
    message(FATAL_ERROR "exit code ${code}, expected ${EXPECT_CODE}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(NOT EXPECT_STDOUT STREQUAL "" AND NOT out MATCHES "${EXPECT_STDOUT}")
    message(FATAL_ERROR "stdout does not match ${EXPECT_STDOUT}:\n${out}")
endif()
if(NOT EXPECT_STDERR STREQUAL "" AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "stderr does not match ${EXPECT_STDERR}:\n${err}")
endif()
