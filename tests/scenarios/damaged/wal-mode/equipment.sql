-- based on the project's catalogue
PRAGMA journal_mode = WAL;
