#include "shell/globales_shell.h"

char strOpenLocktmpfilefile[1024] = "";
char strOpenLockfilefile[1024] = "";

pthread_t prime_thread;
