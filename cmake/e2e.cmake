if(FALSE)
endif()
