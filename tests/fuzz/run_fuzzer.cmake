# Runs one fuzzer for SECONDS seconds on a fresh copy of its seed corpus in
# SCRATCH; a finding (crash file and all) stays in SCRATCH for a look.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/corpus)
file(GLOB seeds ${SEEDS}/*)
file(COPY ${seeds} DESTINATION ${SCRATCH}/corpus)
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -print_final_stats=1
            -artifact_prefix=${SCRATCH}/ ${SCRATCH}/corpus
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a failing input; see ${SCRATCH}")
endif()
