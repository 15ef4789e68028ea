# The soak's monkey writes scripts the game plays (scripts/soak script).
add_test(NAME soak_monkey_script
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/soak/CheckMonkeyScript.sh ${PROJECT_SOURCE_DIR}/scripts/soak
          $<TARGET_FILE:chrona> ${CMAKE_CURRENT_BINARY_DIR}/soak)
set_tests_properties(soak_monkey_script PROPERTIES LABELS gl ENVIRONMENT "SDL_AUDIODRIVER=dummy")
