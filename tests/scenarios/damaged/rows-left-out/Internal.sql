-- based on the project's catalogue
UPDATE [Internal] SET [CT] = NULL WHERE [Tonnage] = 1.5;
