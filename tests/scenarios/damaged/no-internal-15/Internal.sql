-- based on the project's catalogue
DELETE FROM [Internal] WHERE [Tonnage] = 1.5;
